#include "test/TestResults.h"

namespace TimedTest {

const QStringList& questions()
{
    static const QStringList texts = {
        QStringLiteral("5  X 4 ="),       QStringLiteral("28 \u00F7 4 ="), QStringLiteral("6  X 9 ="),
        QStringLiteral("49 \u00F7 7 ="), QStringLiteral("36 \u00F7 6 ="), QStringLiteral("6  X 0 ="),
        QStringLiteral("45 \u00F7 9 ="), QStringLiteral("8  X 6 ="),       QStringLiteral("32 \u00F7 8 ="),
        QStringLiteral("3 X 12 ="),       QStringLiteral("9 \u00F7 1 ="),  QStringLiteral("3 X 18 ="),
        QStringLiteral("7 \u00F7 7 ="),  QStringLiteral("9 X 9 ="),        QStringLiteral("63 \u00F7 9 ="),
    };
    return texts;
}

const QStringList& correctAnswers()
{
    static const QStringList answers = {
        QStringLiteral("20"), QStringLiteral("7"),  QStringLiteral("54"), QStringLiteral("7"),
        QStringLiteral("6"),  QStringLiteral("0"),  QStringLiteral("5"),  QStringLiteral("48"),
        QStringLiteral("4"),  QStringLiteral("36"), QStringLiteral("9"),  QStringLiteral("54"),
        QStringLiteral("1"),  QStringLiteral("81"), QStringLiteral("7"),
    };
    return answers;
}

QString verdict(const QString& answer, const QString& correct)
{
    return answer == correct ? QStringLiteral("Correct") : QStringLiteral("Incorrect");
}

QStringList resultsLines(const Results& r)
{
    const QString gap(12, QLatin1Char(' '));
    QStringList lines;
    lines << QStringLiteral("Radezo Ruda Test Practice - ") + r.name + QStringLiteral("-") + r.date
          << QStringLiteral("Time Test Was Taken - ") + r.time
          << QStringLiteral("Time To Complete - ") + r.timeTaken + QStringLiteral(" Seconds.")
          << QStringLiteral("Number Correct: ") + r.score + QStringLiteral(" Out Of ") + r.total
          << QString()
          << QStringLiteral("Question Asked: Your Answer: Correct Answer: Correct Or Incorrect:");
    for (const Row& row : r.rows)
        lines << row.question + gap + row.answer + gap + row.correct + gap + row.verdict;
    return lines;
}

QString resultsFilePrefix()
{
    return QStringLiteral("Radezo Ruda Test ");
}

QString resultsFileSuffix(const QString& date, const QString& time)
{
    return QStringLiteral("- ") + date + QStringLiteral("- ") + time + QStringLiteral(".txt");
}

} // namespace TimedTest
