#include "review/PracticeRules.h"

#include "app/Clock.h"

#include <cmath>

namespace practice {

namespace {
std::function<std::uint32_t()>& seedSource()
{
    static std::function<std::uint32_t()> source;
    return source;
}

// The numeric value of a text as the counters read it: leading digits only, empty is 0.
int valueOf(const QString& text)
{
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > 100000000)
            break;
    }
    return value;
}
} // namespace

void copyList(const QStringList& source, QStringList& destination)
{
    const qsizetype n = source.size();
    destination.reserve(destination.size() + n);
    for (qsizetype i = 0; i < n; ++i)
        destination.append(source.at(i));
}

void removeExtraQuestions(QStringList& pool)
{
    do {
        if (pool.isEmpty())
            return;
        pool.removeLast();
    } while (pool.size() > 40);
}

std::uint32_t nextSeed()
{
    if (seedSource())
        return seedSource()();
    return static_cast<std::uint32_t>(Clock::now().time().msecsSinceStartOfDay());
}

void setSeedSource(std::function<std::uint32_t()> source)
{
    seedSource() = std::move(source);
}

void shuffle(QStringList& pool, std::mt19937& generator)
{
    const qsizetype n = pool.size();
    if (n == 0)
        return;
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int pass = 0; pass < 2; ++pass) {
        for (qsizetype i = 0; i < n; ++i) {
            auto j = static_cast<qsizetype>(std::floor(double(n) * uniform(generator)));
            if (j >= n) // a distribution may round up to 1.0
                j = n - 1;
            pool.swapItemsAt(i, j);
        }
    }
}

QString composeAnswer(const QString& field, int hundreds, int tens, int ones)
{
    QString text = field;
    if (hundreds >= 1 && hundreds <= 9)
        text = QString::number(valueOf(text) + 100 * hundreds);
    if (tens >= 0 && tens <= 9)
        text = QString::number(valueOf(text) + 10 * tens);
    if (ones >= 0 && ones <= 9)
        text = QString::number(valueOf(text) + ones);
    return text;
}

QString filterAnswerField(const QString& text)
{
    if (text.isEmpty())
        return text;
    if (text.size() >= 4)
        return {};
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return {};
    }
    return text;
}

QString recordedAnswer(const QString& field)
{
    return field.isEmpty() ? QStringLiteral("No Answer") : field;
}

QString addToCount(const QString& count, int delta)
{
    return QString::number(valueOf(count) + delta);
}

} // namespace practice
