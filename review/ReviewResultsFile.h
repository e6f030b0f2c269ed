#pragma once
// The review results file for the teacher: its name and its lines. Writing the bytes is the
// shared results writer's job; this only decides what the file says.
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace ReviewResultsFile {

// One row of the marks report, in the file's column order.
struct Row {
    QString question; // as it was shown, trailing blank included ("3  x  2 ")
    QString answer;   // the pupil's answer or "No Answer"
    QString rightAnswer;
    QString seconds;
    QString verdict;  // "Correct" or "Incorrect"
};

// Everything the file is made of, exactly as the marks report shows or keeps it.
struct Record {
    QString name;                       // as typed, unchanged inside the file
    QString dateLine;                   // "Date: Thursday December 10 2026"
    QString dateText;                   // "Thursday December 10 2026"
    QString timeText;                   // "03-45 PM"
    std::array<QString, 4> operations;  // " Addition ", " Subtraction ", " Multiplication ", " Division " or ""
    QString timeTaken;                  // seconds
    QString score;
    QString total;                      // "39", "40", or the length of a shorter level
    QList<Row> rows;                    // rows 1 … N in the order asked
};

// The word each operation flag stands for in the name and the facts line; the empty text when
// the operation was not practised. Index order: addition, subtraction, multiplication, division.
QString operationWord(int index, bool practised);

// The fixed start of the file name; the pupil's name follows it.
QString fileNamePrefix();
// What follows the name: "- " + date text + time text + operation words + ".txt". Date and time
// run together and the words bring their own blanks.
QString fileNameSuffix(const Record& record);

// The row line of row `number` (1-based). From row 10 on, three of the separators are one blank
// shorter; files teachers already keep have this shape, so it stays.
QString rowLine(int number, const Row& row);

// The two layouts differ only in the order of the time line and the facts line.
enum class Layout { ThirtyNine, Forty };
// A level of 40 questions takes the 40-question layout; every other length the 39-question one.
Layout layoutFor(const QString& total);

// All lines of the file: the header lines, then one row line per row of the record.
QStringList lines(const Record& record, Layout layout);

}
