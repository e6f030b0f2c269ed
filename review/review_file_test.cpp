// The review results file: its name, both layouts byte for byte, and saving from the marks report.
#include "app/FormsTesting.h"
#include "app/AppFolder.h"
#include "app/Forms.h"
#include "app/SoundCue.h"
#include "app/notices/SaveComplete.h"
#include "app/notices/SaveFailed.h"
#include "review/LVLMarks.h"
#include "review/ReviewResultsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using ReviewResultsFile::Row;

// Forty rows as a level could record them: a division sign, blank answers, wrong answers, and
// questions with one- and two-digit first numbers.
const QList<Row> FortyRows = {
    {u"1  x  2 "_qs, u"2"_qs, u"2"_qs, u"3"_qs, u"Correct"_qs},
    {u"6  +  8 "_qs, u"15"_qs, u"14"_qs, u"9"_qs, u"Incorrect"_qs},
    {u"9  -  4 "_qs, u"5"_qs, u"5"_qs, u"2"_qs, u"Correct"_qs},
    {u"8  \u00F7  2 "_qs, u"4"_qs, u"4"_qs, u"6"_qs, u"Correct"_qs},
    {u"7  x  3 "_qs, u"No Answer"_qs, u"21"_qs, u"12"_qs, u"Incorrect"_qs},
    {u"5  +  5 "_qs, u"10"_qs, u"10"_qs, u"1"_qs, u"Correct"_qs},
    {u"3  x  4 "_qs, u"12"_qs, u"12"_qs, u"0"_qs, u"Correct"_qs},
    {u"12 +  8 "_qs, u"20"_qs, u"20"_qs, u"4"_qs, u"Correct"_qs},
    {u"15 -  6 "_qs, u"9"_qs, u"9"_qs, u"5"_qs, u"Correct"_qs},
    {u"10 x  3 "_qs, u"30"_qs, u"30"_qs, u"7"_qs, u"Correct"_qs},
    {u"11 +  1 "_qs, u"12"_qs, u"12"_qs, u"2"_qs, u"Correct"_qs},
    {u"12 +  1 "_qs, u"13"_qs, u"13"_qs, u"2"_qs, u"Correct"_qs},
    {u"13 +  1 "_qs, u"14"_qs, u"14"_qs, u"2"_qs, u"Correct"_qs},
    {u"14 +  1 "_qs, u"15"_qs, u"15"_qs, u"2"_qs, u"Correct"_qs},
    {u"15 +  1 "_qs, u"16"_qs, u"16"_qs, u"2"_qs, u"Correct"_qs},
    {u"16 +  1 "_qs, u"17"_qs, u"17"_qs, u"2"_qs, u"Correct"_qs},
    {u"17 +  1 "_qs, u"18"_qs, u"18"_qs, u"2"_qs, u"Correct"_qs},
    {u"18 +  1 "_qs, u"19"_qs, u"19"_qs, u"2"_qs, u"Correct"_qs},
    {u"19 +  1 "_qs, u"20"_qs, u"20"_qs, u"2"_qs, u"Correct"_qs},
    {u"20 \u00F7  4 "_qs, u"5"_qs, u"5"_qs, u"8"_qs, u"Correct"_qs},
    {u"21 +  1 "_qs, u"22"_qs, u"22"_qs, u"2"_qs, u"Correct"_qs},
    {u"22 +  1 "_qs, u"23"_qs, u"23"_qs, u"2"_qs, u"Correct"_qs},
    {u"23 +  1 "_qs, u"24"_qs, u"24"_qs, u"2"_qs, u"Correct"_qs},
    {u"24 +  1 "_qs, u"25"_qs, u"25"_qs, u"2"_qs, u"Correct"_qs},
    {u"25 +  1 "_qs, u"26"_qs, u"26"_qs, u"2"_qs, u"Correct"_qs},
    {u"26 +  1 "_qs, u"27"_qs, u"27"_qs, u"2"_qs, u"Correct"_qs},
    {u"27 +  1 "_qs, u"29"_qs, u"28"_qs, u"11"_qs, u"Incorrect"_qs},
    {u"28 +  1 "_qs, u"29"_qs, u"29"_qs, u"2"_qs, u"Correct"_qs},
    {u"29 +  1 "_qs, u"30"_qs, u"30"_qs, u"2"_qs, u"Correct"_qs},
    {u"30 +  1 "_qs, u"31"_qs, u"31"_qs, u"2"_qs, u"Correct"_qs},
    {u"31 +  1 "_qs, u"32"_qs, u"32"_qs, u"2"_qs, u"Correct"_qs},
    {u"32 +  1 "_qs, u"33"_qs, u"33"_qs, u"2"_qs, u"Correct"_qs},
    {u"33 +  1 "_qs, u"34"_qs, u"34"_qs, u"2"_qs, u"Correct"_qs},
    {u"34 +  1 "_qs, u"35"_qs, u"35"_qs, u"2"_qs, u"Correct"_qs},
    {u"35 +  1 "_qs, u"No Answer"_qs, u"36"_qs, u"14"_qs, u"Incorrect"_qs},
    {u"36 +  1 "_qs, u"37"_qs, u"37"_qs, u"2"_qs, u"Correct"_qs},
    {u"37 +  1 "_qs, u"38"_qs, u"38"_qs, u"2"_qs, u"Correct"_qs},
    {u"38 +  1 "_qs, u"39"_qs, u"39"_qs, u"2"_qs, u"Correct"_qs},
    {u"39 +  1 "_qs, u"40"_qs, u"40"_qs, u"2"_qs, u"Correct"_qs},
    {u"40 -  1 "_qs, u"39"_qs, u"39"_qs, u"3"_qs, u"Correct"_qs},
};

// Rows 1 … 39 of the files below, written out by hand from the layout tables: question, then
// 14 / 11 / 17 / 13 blanks between the columns up to row 9, and 14 / 10 / 16 / 12 from row 10.
// The division sign is the single byte F7.
const QByteArray Rows1To39 =
    "1  x  2 " "              2           2                 3             Correct\r\n"
    "6  +  8 " "              15           14                 9             Incorrect\r\n"
    "9  -  4 " "              5           5                 2             Correct\r\n"
    "8  \xF7  2 " "              4           4                 6             Correct\r\n"
    "7  x  3 " "              No Answer           21                 12             Incorrect\r\n"
    "5  +  5 " "              10           10                 1             Correct\r\n"
    "3  x  4 " "              12           12                 0             Correct\r\n"
    "12 +  8 " "              20           20                 4             Correct\r\n"
    "15 -  6 " "              9           9                 5             Correct\r\n"
    "10 x  3 " "              30          30                7            Correct\r\n"
    "11 +  1 " "              12          12                2            Correct\r\n"
    "12 +  1 " "              13          13                2            Correct\r\n"
    "13 +  1 " "              14          14                2            Correct\r\n"
    "14 +  1 " "              15          15                2            Correct\r\n"
    "15 +  1 " "              16          16                2            Correct\r\n"
    "16 +  1 " "              17          17                2            Correct\r\n"
    "17 +  1 " "              18          18                2            Correct\r\n"
    "18 +  1 " "              19          19                2            Correct\r\n"
    "19 +  1 " "              20          20                2            Correct\r\n"
    "20 \xF7  4 " "              5          5                8            Correct\r\n"
    "21 +  1 " "              22          22                2            Correct\r\n"
    "22 +  1 " "              23          23                2            Correct\r\n"
    "23 +  1 " "              24          24                2            Correct\r\n"
    "24 +  1 " "              25          25                2            Correct\r\n"
    "25 +  1 " "              26          26                2            Correct\r\n"
    "26 +  1 " "              27          27                2            Correct\r\n"
    "27 +  1 " "              29          28                11            Incorrect\r\n"
    "28 +  1 " "              29          29                2            Correct\r\n"
    "29 +  1 " "              30          30                2            Correct\r\n"
    "30 +  1 " "              31          31                2            Correct\r\n"
    "31 +  1 " "              32          32                2            Correct\r\n"
    "32 +  1 " "              33          33                2            Correct\r\n"
    "33 +  1 " "              34          34                2            Correct\r\n"
    "34 +  1 " "              35          35                2            Correct\r\n"
    "35 +  1 " "              No Answer          36                14            Incorrect\r\n"
    "36 +  1 " "              37          37                2            Correct\r\n"
    "37 +  1 " "              38          38                2            Correct\r\n"
    "38 +  1 " "              39          39                2            Correct\r\n"
    "39 +  1 " "              40          40                2            Correct\r\n";

// Zoë, addition and division, 39 questions: time line before facts line. The name's ë is EB.
const QByteArray File39 =
    "Radezo Ruda REVIEW Practice - Zo\xEB" "-Date: Thursday December 10 2026\r\n"
    "Time Test Was Taken - 03-45 PM\r\n"
    "Math Facts Reviewed -  Addition  Division \r\n"
    "Time To Complete - 412 Seconds.\r\n"
    "Number Correct: 35 Out Of 39 Questions.\r\n"
    "\r\n"
    "Question Asked: Your Answer: Correct Answer: Time To Answer: Correct Or Incorrect:\r\n"
    + Rows1To39;

// A class, all four operations, 40 questions: facts line before time line, and row 40.
const QByteArray File40 =
    "Radezo Ruda REVIEW Practice - Class-Date: Thursday December 10 2026\r\n"
    "Math Facts Reviewed -  Addition  Subtraction  Multiplication  Division \r\n"
    "Time Test Was Taken - 03-45 PM\r\n"
    "Time To Complete - 455 Seconds.\r\n"
    "Number Correct: 36 Out Of 40 Questions.\r\n"
    "\r\n"
    "Question Asked: Your Answer: Correct Answer: Time To Answer: Correct Or Incorrect:\r\n"
    + Rows1To39
    + "40 -  1 " "              39          39                3            Correct\r\n";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}


} // namespace

class ReviewFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    RecordingSoundBackend recorder;

    QString results() const { return folder.filePath(QString::fromLatin1(AppFolder::ResultsFolderName)); }

    // A marks report as the end of a level leaves it, with a fixed date and time.
    LVLMarks* report(const QString& name, const QString& total, const QString& score, const QString& seconds,
                     const std::array<bool, 4>& practised)
    {
        LVLMarks* marks = Forms::show<LVLMarks>();
        marks->DateLBL->setText(QStringLiteral("Date: Thursday December 10 2026"));
        marks->Date2LBL->setText(QStringLiteral("Thursday December 10 2026"));
        marks->TimeLBL2->setText(QStringLiteral("03-45 PM"));
        marks->StudentNameTXT->setText(name);
        marks->StudentNamELBL->setText(QStringLiteral("Student Name: ") + name);
        marks->TotalLBL->setText(total);
        marks->ScoreLBL->setText(score);
        marks->MyTime->setText(seconds);
        for (int i = 0; i < 4; ++i)
            marks->Facts[i]->setText(ReviewResultsFile::operationWord(i, practised[i]));
        const int count = LVLMarks::rowsForTotal(total);
        QStringList questions, answers, rights, verdicts, times;
        for (int i = 0; i < count; ++i) {
            questions << FortyRows[i].question;
            answers << FortyRows[i].answer;
            rights << FortyRows[i].rightAnswer;
            verdicts << FortyRows[i].verdict;
            times << FortyRows[i].seconds;
        }
        marks->fillRows(questions, answers, rights, verdicts, times, count);
        return marks;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        AppFolder::setPath(folder.path());
        Sound::setBackend(&recorder);
    }
    void init() { QDir(results()).removeRecursively(); }
    void cleanup()
    {
        FormsTesting::closeAll();
    }
    void cleanupTestCase() { Sound::setBackend(nullptr); }

    // Saved from the marks report into a results folder that does not exist yet.
    void bothLayoutsByteForByte_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QList<bool>>("practised");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("39 questions") << u"Zo\u00EB"_qs << "39" << "35" << "412" << QList<bool>{true, false, false, true}
                                      << u"Radezo Ruda REVIEW Test Zo\u00EB- Thursday December 10 202603-45 PM Addition  Division .txt"_qs
                                      << File39;
        QTest::newRow("40 questions") << "Class" << "40" << "36" << "455" << QList<bool>{true, true, true, true}
                                      << "Radezo Ruda REVIEW Test Class- Thursday December 10 202603-45 PM Addition  Subtraction  Multiplication  Division .txt"
                                      << File40;
    }
    void bothLayoutsByteForByte()
    {
        QFETCH(QString, name);
        QFETCH(QString, total);
        QFETCH(QString, score);
        QFETCH(QString, seconds);
        QFETCH(QList<bool>, practised);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, contents);
        LVLMarks* marks = report(name, total, score, seconds, {practised[0], practised[1], practised[2], practised[3]});
        QVERIFY(!QDir(results()).exists());
        marks->SaveResults_Click();
        QCOMPARE(QDir(results()).entryList(QDir::Files), QStringList{fileName});
        QCOMPARE(readAll(QDir(results()).filePath(fileName)), contents);
        QVERIFY(Forms::isOpen<SaveComplete>());

        // A second save from the same report replaces the file with the same bytes.
        Forms::close<SaveComplete>();
        marks->SaveResults_Click();
        QCOMPARE(QDir(results()).entryList(QDir::Files), QStringList{fileName});
        QCOMPARE(readAll(QDir(results()).filePath(fileName)), contents);
        QVERIFY(Forms::isOpen<SaveComplete>());
    }

    // A level of 38 questions: the 39-question layout with 38 row lines and nothing after them.
    void shorterLevelWritesItsOwnRows()
    {
        LVLMarks* marks = report(QStringLiteral("Ben"), QStringLiteral("38"), QStringLiteral("34"),
                                 QStringLiteral("300"), {false, true, false, false});
        marks->SaveResults_Click();
        const QString fileName = QStringLiteral("Radezo Ruda REVIEW Test Ben- Thursday December 10 202603-45 PM Subtraction .txt");
        const QByteArray bytes = readAll(QDir(results()).filePath(fileName));
        QVERIFY(bytes.startsWith("Radezo Ruda REVIEW Practice - Ben-Date: Thursday December 10 2026\r\n"
                                 "Time Test Was Taken - 03-45 PM\r\n"
                                 "Math Facts Reviewed -  Subtraction \r\n"
                                 "Time To Complete - 300 Seconds.\r\n"
                                 "Number Correct: 34 Out Of 38 Questions.\r\n"));
        QCOMPARE(bytes.count("\r\n"), 45);
        QVERIFY(bytes.endsWith("37 +  1               38          38                2            Correct\r\n"
                               "38 +  1               39          39                2            Correct\r\n"));
        QVERIFY(Forms::isOpen<SaveComplete>());
    }

    void noLevelNoFile()
    {
        // A report that was never filled from a level has nothing to save.
        Forms::show<LVLMarks>()->SaveResults_Click();
        QVERIFY(!QDir(results()).exists());
        QCOMPARE(FormsTesting::openKinds(), QStringList{QStringLiteral("LVLMarks")});
    }

    // The name is made safe for the file name only; the file itself keeps it as typed.
    void hostileNameStaysInsideTheResultsFolder()
    {
        const QString name = QStringLiteral("..\\..\\A/B:C*?\"<>|");
        LVLMarks* marks = report(name, QStringLiteral("39"), QStringLiteral("35"), QStringLiteral("412"),
                                 {true, false, false, false});
        marks->SaveResults_Click();
        const QStringList files = QDir(results()).entryList(QDir::Files);
        QCOMPARE(files, QStringList{QStringLiteral("Radezo Ruda REVIEW Test .._.._A_B_C______- Thursday December 10 202603-45 PM Addition .txt")});
        QVERIFY(readAll(QDir(results()).filePath(files[0])).startsWith("Radezo Ruda REVIEW Practice - ..\\..\\A/B:C*?\"<>|-Date:"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }

    void failedWriteSaysSoAndKeepsNothingHalfWritten()
    {
        // A plain file where the results folder should be: nothing can be written there.
        QFile blocker(results());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        LVLMarks* marks = report(QStringLiteral("Ann"), QStringLiteral("39"), QStringLiteral("35"),
                                 QStringLiteral("412"), {true, false, false, false});
        marks->SaveResults_Click();
        QVERIFY(Forms::isOpen<SaveFailed>());
        QVERIFY(!Forms::isOpen<SaveComplete>());
        QFile::remove(results());
    }

    void rowNineAndRowTenSeparators_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("line");
        QTest::newRow("row 9") << 9 << "6  +  8               15           14                 9             Incorrect";
        QTest::newRow("row 10") << 10 << "6  +  8               15          14                9            Incorrect";
        QTest::newRow("row 40") << 40 << "6  +  8               15          14                9            Incorrect";
    }
    void rowNineAndRowTenSeparators()
    {
        QFETCH(int, number);
        QFETCH(QString, line);
        QCOMPARE(ReviewResultsFile::rowLine(number, FortyRows[1]), line);
    }

    void operationWordsInNameAndFactsLine_data()
    {
        QTest::addColumn<QList<bool>>("practised");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("factsLine");
        QTest::newRow("addition") << QList<bool>{true, false, false, false}
                                  << "- Thursday December 10 202603-45 PM Addition .txt"
                                  << "Math Facts Reviewed -  Addition ";
        QTest::newRow("addition and subtraction") << QList<bool>{true, true, false, false}
                                                  << "- Thursday December 10 202603-45 PM Addition  Subtraction .txt"
                                                  << "Math Facts Reviewed -  Addition  Subtraction ";
        QTest::newRow("multiplication and division") << QList<bool>{false, false, true, true}
                                                     << "- Thursday December 10 202603-45 PM Multiplication  Division .txt"
                                                     << "Math Facts Reviewed -  Multiplication  Division ";
        QTest::newRow("none") << QList<bool>{false, false, false, false}
                              << "- Thursday December 10 202603-45 PM.txt" << "Math Facts Reviewed - ";
    }
    void operationWordsInNameAndFactsLine()
    {
        QFETCH(QList<bool>, practised);
        QFETCH(QString, suffix);
        QFETCH(QString, factsLine);
        ReviewResultsFile::Record record;
        record.dateText = QStringLiteral("Thursday December 10 2026");
        record.timeText = QStringLiteral("03-45 PM");
        for (int i = 0; i < 4; ++i)
            record.operations[i] = ReviewResultsFile::operationWord(i, practised[i]);
        QCOMPARE(ReviewResultsFile::fileNameSuffix(record), suffix);
        QCOMPARE(ReviewResultsFile::lines(record, ReviewResultsFile::Layout::ThirtyNine).at(2), factsLine);
        QCOMPARE(ReviewResultsFile::lines(record, ReviewResultsFile::Layout::Forty).at(1), factsLine);
    }
};

QTEST_MAIN(ReviewFileTest)
#include "review_file_test.moc"
