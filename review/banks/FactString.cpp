#include "FactString.h"

namespace banks {

namespace {

// Only blanks are stripped: the answer is compared character by character later, and any
// other character around it would be a fault in the data worth seeing, not hiding.
QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}

} // namespace

FactParts readFact(const QString &fact)
{
    const qsizetype equals = fact.indexOf(u'=');
    if (equals < 0)
        return {fact, QString()};
    return {fact.left(equals), trimBlanks(QStringView(fact).sliced(equals + 1))};
}

} // namespace banks
