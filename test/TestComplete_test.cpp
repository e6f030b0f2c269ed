// The results window: its date and time texts, printing, and the results file on disk.
#include "app/FormsTesting.h"
#include "app/AppFolder.h"
#include "app/Clock.h"
#include "app/Forms.h"
#include "app/Main.h"
#include "app/Printing.h"
#include "app/SoundCue.h"
#include "app/notices/SaveComplete.h"
#include "test/MentalTest.h"
#include "test/TestComplete.h"
#include "test/TestResults.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

TestComplete* results()
{
    return static_cast<TestComplete*>(Forms::find(QStringLiteral("TestComplete")));
}

// A whole test: pop-in, countdown, `seconds` on the clock, the answers typed, then Done (or the
// time-out when `seconds` is 60 or more).
TestComplete* takeTest(const QString& name, const QStringList& answers, int seconds)
{
    MentalTest* test = Forms::show<MentalTest>();
    test->StudentNameTXT = name;
    for (int i = 0; i < 150; ++i)
        test->PopTimer_Timer();
    for (int i = 0; i < 5; ++i)
        test->ScrollTime_Timer();
    for (int n = 1; n <= 15; ++n)
        QTest::keyClicks(test->Ans[n], answers.at(n - 1));
    if (seconds >= 60) {
        while (Forms::isOpen(test))
            test->ScrollTime_Timer();
    } else {
        for (int i = 0; i < seconds; ++i)
            test->ScrollTime_Timer();
        QTest::mouseClick(test->DoneButton, Qt::LeftButton);
    }
    return results();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class TestCompleteTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Sound::setBackend(&recorder);
        QVERIFY(folder.isValid());
        AppFolder::setPath(folder.path());
    }
    void cleanup()
    {
        FormsTesting::closeAll();
        Sound::setBackend(nullptr);
        Clock::setSource({});
        AppFolder::setPath({});
        QDir(folder.filePath(QString::fromLatin1(AppFolder::ResultsFolderName))).removeRecursively();
    }

    void dateAndTimeTexts_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("five past midnight") << QDateTime(QDate(2026, 12, 10), QTime(0, 5)) << "Thursday December 10 2026" << "12-05 AM";
        QTest::newRow("quarter to four") << QDateTime(QDate(2026, 12, 10), QTime(15, 45, 59)) << "Thursday December 10 2026" << "03-45 PM";
        QTest::newRow("noon") << QDateTime(QDate(2027, 3, 1), QTime(12, 0)) << "Monday March 1 2027" << "12-00 PM";
    }
    void dateAndTimeTexts()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, date);
        QFETCH(QString, time);
        Clock::setSource([now] { return now; });
        TestComplete* done = takeTest(QStringLiteral("Sam"), QStringList(15, QStringLiteral("1")), 3);
        QCOMPARE(done->DateLBL->text(), QStringLiteral("Date: ") + date);
        QCOMPARE(done->Date2LBL, date);
        QCOMPARE(done->TimeLBL2, time);
        QCOMPARE(done->StudentNameTXT, QStringLiteral("Sam"));
        QCOMPARE(done->size(), QSize(841, 579));
        QCOMPARE(done->windowTitle(), QStringLiteral("Practice Radezo Ruda Assessment Complete"));
    }

    // The expected bytes are written out by hand from the file's layout, not produced by the code.
    void resultsFileByteForByte_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("Anna, Done after 37 seconds")
            << QDateTime(QDate(2026, 12, 10), QTime(15, 45))
            << "Anna"
            << QStringList{"20", "6", "54", "7", "6 ", "0", "5", "48", "4", "036", "9", "54", "1", "81", "7"}
            << 37
            << "Radezo Ruda Test Anna- Thursday December 10 2026- 03-45 PM.txt"
            << QByteArray(
                   "Radezo Ruda Test Practice - Anna-Thursday December 10 2026\r\n"
                   "Time Test Was Taken - 03-45 PM\r\n"
                   "Time To Complete - 37 Seconds.\r\n"
                   "Number Correct: 12 Out Of 15\r\n"
                   "\r\n"
                   "Question Asked: Your Answer: Correct Answer: Correct Or Incorrect:\r\n"
                   "5  X 4 =            20            20            Correct\r\n"
                   "28 \xF7 4 =            6            7            Incorrect\r\n"
                   "6  X 9 =            54            54            Correct\r\n"
                   "49 \xF7 7 =            7            7            Correct\r\n"
                   "36 \xF7 6 =            6             6            Incorrect\r\n"
                   "6  X 0 =            0            0            Correct\r\n"
                   "45 \xF7 9 =            5            5            Correct\r\n"
                   "8  X 6 =            48            48            Correct\r\n"
                   "32 \xF7 8 =            4            4            Correct\r\n"
                   "3 X 12 =            036            36            Incorrect\r\n"
                   "9 \xF7 1 =            9            9            Correct\r\n"
                   "3 X 18 =            54            54            Correct\r\n"
                   "7 \xF7 7 =            1            1            Correct\r\n"
                   "9 X 9 =            81            81            Correct\r\n"
                   "63 \xF7 9 =            7            7            Correct\r\n");

        QTest::newRow("a class that ran out of time")
            << QDateTime(QDate(2026, 12, 10), QTime(0, 5))
            << "Class"
            << QStringList{"20", "", "", "", "", "", "", "", "", "", "", "", "", "", "7"}
            << 60
            << "Radezo Ruda Test Class- Thursday December 10 2026- 12-05 AM.txt"
            << QByteArray(
                   "Radezo Ruda Test Practice - Class-Thursday December 10 2026\r\n"
                   "Time Test Was Taken - 12-05 AM\r\n"
                   "Time To Complete - 60 Seconds.\r\n"
                   "Number Correct: 2 Out Of 15\r\n"
                   "\r\n"
                   "Question Asked: Your Answer: Correct Answer: Correct Or Incorrect:\r\n"
                   "5  X 4 =            20            20            Correct\r\n"
                   "28 \xF7 4 =                        7            Incorrect\r\n"
                   "6  X 9 =                        54            Incorrect\r\n"
                   "49 \xF7 7 =                        7            Incorrect\r\n"
                   "36 \xF7 6 =                        6            Incorrect\r\n"
                   "6  X 0 =                        0            Incorrect\r\n"
                   "45 \xF7 9 =                        5            Incorrect\r\n"
                   "8  X 6 =                        48            Incorrect\r\n"
                   "32 \xF7 8 =                        4            Incorrect\r\n"
                   "3 X 12 =                        36            Incorrect\r\n"
                   "9 \xF7 1 =                        9            Incorrect\r\n"
                   "3 X 18 =                        54            Incorrect\r\n"
                   "7 \xF7 7 =                        1            Incorrect\r\n"
                   "9 X 9 =                        81            Incorrect\r\n"
                   "63 \xF7 9 =            7            7            Correct\r\n");
    }
    void resultsFileByteForByte()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, name);
        QFETCH(QStringList, answers);
        QFETCH(int, seconds);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        Clock::setSource([now] { return now; });
        TestComplete* done = takeTest(name, answers, seconds);
        QVERIFY(done);
        // The results folder does not exist yet: saving makes it.
        QVERIFY(!QDir(AppFolder::resultsFolder()).exists());
        QTest::mouseClick(done->SaveResults, Qt::LeftButton);
        QVERIFY(Forms::isOpen<SaveComplete>());
        const QString path = QDir(AppFolder::resultsFolder()).filePath(fileName);
        QCOMPARE(readAll(path), bytes);

        // Saving again from the same window replaces the same file with the same bytes.
        Forms::close<SaveComplete>();
        done->SaveResults_Click();
        QCOMPARE(QDir(AppFolder::resultsFolder()).entryList(QDir::Files), QStringList{fileName});
        QCOMPARE(readAll(path), bytes);
        QVERIFY(Forms::isOpen<SaveComplete>());
    }

    void namesInTheFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::newRow("trailing blank") << "Anna " << "Radezo Ruda Test Anna - Thursday December 10 2026- 03-45 PM.txt"
                                        << QByteArray("Radezo Ruda Test Practice - Anna -Thursday December 10 2026");
        QTest::newRow("characters no file name holds")
            << "../x:y*" << "Radezo Ruda Test .._x_y_- Thursday December 10 2026- 03-45 PM.txt"
            << QByteArray("Radezo Ruda Test Practice - ../x:y*-Thursday December 10 2026");
        QTest::newRow("accented") << "Zo\u00EB" << "Radezo Ruda Test Zo\u00EB- Thursday December 10 2026- 03-45 PM.txt"
                                  << QByteArray("Radezo Ruda Test Practice - Zo\xEB-Thursday December 10 2026");
    }
    void namesInTheFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, firstLine);
        Clock::setSource([] { return QDateTime(QDate(2026, 12, 10), QTime(15, 45)); });
        TestComplete* done = takeTest(name, QStringList(15, QStringLiteral("9")), 60);
        done->SaveResults_Click();
        QCOMPARE(QDir(AppFolder::resultsFolder()).entryList(QDir::Files), QStringList{fileName});
        const QByteArray bytes = readAll(QDir(AppFolder::resultsFolder()).filePath(fileName));
        QCOMPARE(bytes.left(bytes.indexOf("\r\n")), firstLine);
        // Nothing anywhere else in the program folder.
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QString::fromLatin1(AppFolder::ResultsFolderName)});
    }

    void printLeavesTheButtonsOffThePageAndRestoresTheWindow()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("results.pdf"));
        TestComplete* done = takeTest(QStringLiteral("Sam"), TimedTest::correctAnswers(), 20);
        int widthWhilePrinting = 0;
        bool buttonsWhilePrinting = true;
        Printing::setPrinterFactory([&] {
            widthWhilePrinting = done->width();
            buttonsWhilePrinting = done->SaveResults->isVisible() || done->PrintResults->isVisible()
                                   || done->ExitButton->isVisible();
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        });
        QTest::mouseClick(done->PrintResults, Qt::LeftButton);
        Printing::setPrinterFactory({});

        QCOMPARE(widthWhilePrinting, TestComplete::printWidth());
        QVERIFY(!buttonsWhilePrinting);
        QVERIFY(widthWhilePrinting <= done->SaveResults->x());
        QCOMPARE(done->width(), TestComplete::fullWidth());
        QVERIFY(done->SaveResults->isVisible());
        QVERIFY(done->PrintResults->isVisible());
        QVERIFY(done->ExitButton->isVisible());
        const QByteArray bytes = readAll(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
        QCOMPARE(done->ScoreLBL->text(), QStringLiteral("15"));
    }

    void exitLeavesTheMainMenu()
    {
        Forms::show<Main>();
        TestComplete* done = takeTest(QStringLiteral("Sam"), TimedTest::correctAnswers(), 20);
        QTest::mouseClick(done->ExitButton, Qt::LeftButton);
        QVERIFY(!Forms::isOpen<TestComplete>());
        QCOMPARE(Forms::openForms().size(), 1);
        QVERIFY(!QDir(AppFolder::resultsFolder()).exists());
    }

private:
    RecordingSoundBackend recorder;
    QTemporaryDir folder;
};

QTEST_MAIN(TestCompleteTest)
#include "TestComplete_test.moc"
