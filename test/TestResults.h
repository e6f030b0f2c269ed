#pragma once
// The fixed questions of the timed test, how an answer is marked, and the lines of the file a
// teacher reads afterwards. QtCore only, so it is checked without any window.
#include <QString>
#include <QStringList>

#include <array>

namespace TimedTest {

inline constexpr int Rows = 15;

// Question texts as the pupil sees them, rows 1..15 at index 0..14 (blanks are part of the text).
const QStringList& questions();
// The answer that counts as right for each row, same order.
const QStringList& correctAnswers();

// "Correct" only when the answer is exactly the right answer, character for character: "20 ",
// "020" and an empty answer are all "Incorrect".
QString verdict(const QString& answer, const QString& correct);

struct Row {
    QString question;
    QString answer;
    QString correct;
    QString verdict;
};

struct Results {
    QString name;      // as typed, blanks and all
    QString date;      // date text, "Thursday December 10 2026"
    QString time;      // time text, "03-45 PM"
    QString timeTaken; // whole seconds
    QString score;
    QString total;
    std::array<Row, Rows> rows;
};

// The twenty-one lines of the results file, without line ends.
QStringList resultsLines(const Results& results);

// The file is <prefix><name><suffix>; the name in between is made safe by the writer.
QString resultsFilePrefix();
QString resultsFileSuffix(const QString& date, const QString& time);

} // namespace TimedTest
