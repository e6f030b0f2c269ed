#include "review/ReviewResultsFile.h"

namespace ReviewResultsFile {

QString operationWord(int index, bool practised)
{
    static const char* const words[4] = {" Addition ", " Subtraction ", " Multiplication ", " Division "};
    if (!practised || index < 0 || index > 3)
        return {};
    return QString::fromLatin1(words[index]);
}

QString fileNamePrefix()
{
    return QStringLiteral("Radezo Ruda REVIEW Test ");
}

QString fileNameSuffix(const Record& record)
{
    return QStringLiteral("- ") + record.dateText + record.timeText + record.operations[0] + record.operations[1]
        + record.operations[2] + record.operations[3] + QStringLiteral(".txt");
}

QString rowLine(int number, const Row& row)
{
    const bool firstNine = number <= 9;
    const QString sep1(14, QLatin1Char(' '));
    const QString sep2(firstNine ? 11 : 10, QLatin1Char(' '));
    const QString sep3(firstNine ? 17 : 16, QLatin1Char(' '));
    const QString sep4(firstNine ? 13 : 12, QLatin1Char(' '));
    return row.question + sep1 + row.answer + sep2 + row.rightAnswer + sep3 + row.seconds + sep4 + row.verdict;
}

Layout layoutFor(const QString& total)
{
    return total == QLatin1String("40") ? Layout::Forty : Layout::ThirtyNine;
}

QStringList lines(const Record& record, Layout layout)
{
    const QString timeLine = QStringLiteral("Time Test Was Taken - ") + record.timeText;
    const QString factsLine = QStringLiteral("Math Facts Reviewed - ") + record.operations[0] + record.operations[1]
        + record.operations[2] + record.operations[3];

    QStringList out;
    out << QStringLiteral("Radezo Ruda REVIEW Practice - ") + record.name + QStringLiteral("-") + record.dateLine;
    if (layout == Layout::Forty)
        out << factsLine << timeLine;
    else
        out << timeLine << factsLine;
    out << QStringLiteral("Time To Complete - ") + record.timeTaken + QStringLiteral(" Seconds.");
    out << QStringLiteral("Number Correct: ") + record.score + QStringLiteral(" Out Of ") + record.total
            + QStringLiteral(" Questions.");
    out << QString();
    out << QStringLiteral("Question Asked: Your Answer: Correct Answer: Time To Answer: Correct Or Incorrect:");
    for (int i = 0; i < record.rows.size(); ++i)
        out << rowLine(i + 1, record.rows[i]);
    return out;
}

}
