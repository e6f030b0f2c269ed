// The timed test window: the pop-in and the clock driven tick by tick, Done, the time-out, and
// the hand-over to the results window with its marking.
#include "app/FormsTesting.h"
#include "app/Clock.h"
#include "app/Forms.h"
#include "app/SoundCue.h"
#include "app/Twips.h"
#include "app/notices/Opps.h"
#include "test/MentalTest.h"
#include "test/TestComplete.h"
#include "test/TestResults.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

MentalTest* startTest(const QString& name)
{
    MentalTest* test = Forms::show<MentalTest>();
    test->StudentNameTXT = name;
    return test;
}

void popIn(MentalTest* test, int count = 150)
{
    for (int i = 0; i < count; ++i)
        test->PopTimer_Timer();
}

void clockTicks(MentalTest* test, int count)
{
    for (int i = 0; i < count; ++i)
        test->ScrollTime_Timer();
}

// Up to the moment the pupil can type (tick 5 of the clock timer).
MentalTest* answering(const QString& name)
{
    MentalTest* test = startTest(name);
    popIn(test);
    clockTicks(test, 5);
    return test;
}

void typeAll(MentalTest* test, const QStringList& answers)
{
    for (int n = 1; n <= 15; ++n)
        QTest::keyClicks(test->Ans[n], answers.at(n - 1));
}

TestComplete* results()
{
    return static_cast<TestComplete*>(Forms::find(QStringLiteral("TestComplete")));
}

// What the countdown and clock pictures show: "3", "2", "1", a clock value, or nothing.
QStringList shownClock(MentalTest* test)
{
    QStringList shown;
    for (Picture* p : {test->Three, test->Two, test->One})
        if (p->isVisibleTo(test))
            shown << p->templateText();
    for (Picture* p : test->TimeTrack)
        if (p->isVisibleTo(test))
            shown << p->templateText();
    return shown;
}

int rowsShown(MentalTest* test)
{
    int rows = 0;
    for (int n = 1; n <= 15; ++n) {
        const bool bar = test->QBack[n]->isVisibleTo(test);
        if (bar != test->EraseAnswer[n]->isVisibleTo(test))
            return -1;
        if (bar)
            rows = n;
    }
    return rows;
}

} // namespace

class MentalTestTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Sound::setBackend(&recorder);
        recorder.cues.clear();
        Clock::setSource([] { return QDateTime(QDate(2026, 12, 10), QTime(15, 45)); });
    }
    void cleanup()
    {
        FormsTesting::closeAll();
        Sound::setBackend(nullptr);
        Clock::setSource({});
    }

    void rowsSitInTwoColumns()
    {
        MentalTest* test = startTest(QStringLiteral("Sam"));
        QCOMPARE(test->size(), QSize(837, 516));
        QCOMPARE(test->windowTitle(), QStringLiteral("Radezo Ruda Test - Timed Test 60 Seconds "));
        QCOMPARE(test->QBack[1]->geometry(), QRect(twips::pos(240, 1080), QSize(268, 41)));
        QCOMPARE(test->QBack[8]->pos(), twips::pos(240, 1080 + 720 * 7));
        QCOMPARE(test->QBack[9]->pos(), twips::pos(7080, 1320));
        QCOMPARE(test->QBack[15]->pos(), twips::pos(7080, 1320 + 720 * 6));
        QCOMPARE(test->Ans[1]->geometry(), twips::rect(240 + 2760, 1080 + 45, 1095, 495));
        QCOMPARE(test->Ans[9]->geometry(), twips::rect(7080 + 2760, 1320, 1095, 495));
        QCOMPARE(test->EraseAnswer[15]->pos(), twips::pos(7080 + 4080, 1320 + 720 * 6));
        QCOMPARE(test->QBack[12]->templateText(), QStringLiteral("Q12)"));
        for (int n = 1; n <= 15; ++n) {
            // Everything inside the window.
            QVERIFY(test->rect().contains(test->EraseAnswer[n]->geometry()));
            QVERIFY(!test->Ans[n]->isEnabled());
            QCOMPARE(test->Ans[n]->font().pointSize(), 22);
        }
        QVERIFY(test->rect().contains(test->TimeTrack[0]->geometry()));
        QVERIFY(test->rect().contains(test->DoneButton->geometry()));
    }

    void popIn_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("getReady");
        QTest::newRow("before the first row") << 9 << 0 << false;
        QTest::newRow("row 1 at tick 10") << 10 << 1 << false;
        QTest::newRow("still row 1") << 19 << 1 << false;
        QTest::newRow("row 2 at tick 20") << 20 << 2 << false;
        QTest::newRow("row 14") << 149 << 14 << false;
        QTest::newRow("row 15 and get ready") << 150 << 15 << true;
    }
    void popIn()
    {
        QFETCH(int, ticks);
        QFETCH(int, rows);
        QFETCH(bool, getReady);
        MentalTest* test = startTest(QStringLiteral("Sam"));
        ::popIn(test, ticks);
        QCOMPARE(test->Poup, QString::number(200 - ticks));
        QCOMPARE(rowsShown(test), rows);
        QCOMPARE(recorder.cues, QStringList(rows, QStringLiteral("\\POP.WAV")));
        for (int n = 1; n <= 15; ++n) {
            QVERIFY(!test->Q[n]->isVisibleTo(test));
            QVERIFY(!test->Ans[n]->isVisibleTo(test));
        }
        QCOMPARE(test->GetReady->isVisibleTo(test), getReady);
        QCOMPARE(test->PopTimer->isActive(), !getReady);
        QCOMPARE(test->ScrollTime->isActive(), getReady);
        if (getReady)
            QCOMPARE(test->GetReady->pos(), twips::pos(2640, 2280));
    }

    void countdownAndClock_data()
    {
        QTest::addColumn<int>("tick");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<bool>("answering");
        QTest::newRow("1: three") << 1 << QStringList{"3"} << "0" << false;
        QTest::newRow("2: two") << 2 << QStringList{"2"} << "0" << false;
        QTest::newRow("3: one") << 3 << QStringList{"1"} << "0" << false;
        QTest::newRow("4: START") << 4 << QStringList() << "0" << false;
        QTest::newRow("5: questions") << 5 << QStringList() << "0" << true;
        QTest::newRow("6: 60") << 6 << QStringList{"60"} << "1" << true;
        QTest::newRow("7: 59") << 7 << QStringList{"59"} << "2" << true;
        QTest::newRow("42: 24") << 42 << QStringList{"24"} << "37" << true;
        QTest::newRow("65: 1") << 65 << QStringList{"1"} << "60" << true;
        QTest::newRow("66: 00") << 66 << QStringList{"00"} << "60" << true;
    }
    void countdownAndClock()
    {
        QFETCH(int, tick);
        QFETCH(QStringList, shown);
        QFETCH(QString, seconds);
        QFETCH(bool, answering);
        MentalTest* test = startTest(QStringLiteral("Sam"));
        ::popIn(test);
        clockTicks(test, tick);
        QCOMPARE(test->ScrollCount, QString::number(65 - tick));
        QCOMPARE(shownClock(test), shown);
        QCOMPARE(test->CounterSeconds, seconds);
        QCOMPARE(test->StartBanner->isVisibleTo(test), tick >= 4);
        if (tick >= 4)
            QCOMPARE(test->StartBanner->pos(), twips::pos(4560, tick == 4 ? 3720 : 0));
        QCOMPARE(test->GetReady->isVisibleTo(test), !answering);
        QCOMPARE(test->DoneButton->isVisibleTo(test), answering);
        QCOMPARE(test->EraseAllAnswers->isVisibleTo(test), answering);
        for (int n = 1; n <= 15; ++n) {
            QCOMPARE(test->Ans[n]->isVisibleTo(test), answering);
            QCOMPARE(test->Ans[n]->isEnabled(), answering);
            QCOMPARE(test->Q[n]->isVisibleTo(test), answering);
        }
        if (answering)
            QCOMPARE(test->Q[2]->text(), QStringLiteral("28 \u00F7 4 ="));
        QVERIFY(Forms::isOpen(test));
        QVERIFY(test->ScrollTime->isActive());
    }

    void timeOutWithNoAnswers()
    {
        MentalTest* test = answering(QStringLiteral("Sam"));
        Forms::show<Opps>(); // left open from an earlier Done; it outlives the test
        clockTicks(test, 61);
        QVERIFY(Forms::isOpen(test));
        test->ScrollTime_Timer(); // tick 67
        QCOMPARE(shownClock(test), QStringList{QStringLiteral("--")});
        QVERIFY(!Forms::isOpen<MentalTest>());
        QVERIFY(Forms::isOpen<Opps>());
        TestComplete* done = results();
        QVERIFY(done);
        QVERIFY(done->isVisible());
        QCOMPARE(done->MyTime->text(), QStringLiteral("60"));
        QCOMPARE(done->ScoreLBL->text(), QStringLiteral("0"));
        QCOMPARE(done->StudentNamELBL->text(), QStringLiteral("Student Name: Sam"));
        for (int n = 1; n <= 15; ++n) {
            QCOMPARE(done->Q[n]->text(), TimedTest::questions().at(n - 1));
            QCOMPARE(done->Ans[n]->text(), QString());
            QCOMPARE(done->Correct[n]->text(), QStringLiteral("Incorrect"));
        }
    }

    void doneBeforeTheClockStartsTakesNoTime()
    {
        MentalTest* test = answering(QStringLiteral("Sam"));
        typeAll(test, TimedTest::correctAnswers());
        QTest::mouseClick(test->DoneButton, Qt::LeftButton);
        QVERIFY(!Forms::isOpen<MentalTest>());
        QCOMPARE(results()->MyTime->text(), QStringLiteral("0"));
        QCOMPARE(results()->ScoreLBL->text(), QStringLiteral("15"));
        QCOMPARE(results()->Label3->text(), QStringLiteral("OUT OF"));
        QCOMPARE(results()->TotalLBL->text(), QStringLiteral("15"));
    }

    void doneWithAnEmptyBoxWarnsAndTheClockRunsOn()
    {
        MentalTest* test = answering(QStringLiteral("Sam"));
        clockTicks(test, 10);
        QStringList answers = TimedTest::correctAnswers();
        answers[6].clear();
        typeAll(test, answers);
        for (int i = 0; i < 3; ++i)
            test->DoneButton_Click();
        QCOMPARE(Forms::openForms().size(), 2); // the test and one Opps
        QVERIFY(Forms::isOpen<Opps>());
        QVERIFY(test->ScrollTime->isActive());
        clockTicks(test, 1);
        QCOMPARE(test->CounterSeconds, QStringLiteral("11"));
        QVERIFY(!results());

        // A blank is an answer.
        QTest::keyClicks(test->Ans[7], QStringLiteral(" "));
        test->DoneButton_Click();
        QVERIFY(results());
        QCOMPARE(results()->Correct[7]->text(), QStringLiteral("Incorrect"));
        QCOMPARE(results()->ScoreLBL->text(), QStringLiteral("14"));
        QCOMPARE(results()->MyTime->text(), QStringLiteral("11"));
    }

    void markingRule_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("right") << 1 << "20" << "Correct";
        QTest::newRow("trailing blank") << 1 << "20 " << "Incorrect";
        QTest::newRow("leading blank") << 1 << " 20" << "Incorrect";
        QTest::newRow("leading zero") << 1 << "020" << "Incorrect";
        QTest::newRow("7 and a blank in row 2") << 2 << "7 " << "Incorrect";
        QTest::newRow("54 in row 3") << 3 << "54" << "Correct";
        QTest::newRow("54 in row 12") << 12 << "54" << "Correct";
        QTest::newRow("54 in row 4") << 4 << "54" << "Incorrect";
        QTest::newRow("zero in row 6") << 6 << "0" << "Correct";
        QTest::newRow("a word") << 13 << "one" << "Incorrect";
        QTest::newRow("empty") << 15 << "" << "Incorrect";
    }
    void markingRule()
    {
        QFETCH(int, row);
        QFETCH(QString, answer);
        QFETCH(QString, verdict);
        MentalTest* test = answering(QStringLiteral("Sam"));
        QStringList answers = TimedTest::correctAnswers();
        answers[row - 1] = answer;
        typeAll(test, answers);
        test->Finish();
        TestComplete* done = results();
        QCOMPARE(done->Ans[row]->text(), answer);
        QCOMPARE(done->Correct[row]->text(), verdict);
        const int right = verdict == QLatin1String("Correct") ? 15 : 14;
        QCOMPARE(done->ScoreLBL->text(), QString::number(right));
    }

    void eraseButtonsClearOnlyTheirRows()
    {
        MentalTest* test = startTest(QStringLiteral("Sam"));
        ::popIn(test, 40);
        test->EraseAnswer[2]->click(); // during the pop-in: the box is empty and hidden anyway
        QVERIFY(test->Ans[2]->text().isEmpty());
        ::popIn(test, 110);
        clockTicks(test, 5);
        typeAll(test, TimedTest::correctAnswers());
        recorder.cues.clear();
        test->EraseAnswer[3]->click();
        QCOMPARE(test->Ans[3]->text(), QString());
        QCOMPARE(test->Ans[4]->text(), QStringLiteral("7"));
        test->EraseAllAnswers->click();
        for (int n = 1; n <= 15; ++n)
            QVERIFY(test->Ans[n]->text().isEmpty());
        QCOMPARE(recorder.cues, QStringList());
        QVERIFY(Forms::isOpen(test));
    }

    void aSecondTestGetsAFreshResultsWindow()
    {
        MentalTest* first = answering(QStringLiteral("Anna"));
        typeAll(first, TimedTest::correctAnswers());
        first->DoneButton_Click();
        TestComplete* old = results();
        QCOMPARE(old->ScoreLBL->text(), QStringLiteral("15"));
        QPointer<TestComplete> oldWatch(old);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        Clock::setSource([] { return QDateTime(QDate(2026, 12, 10), QTime(15, 52)); });
        MentalTest* second = answering(QStringLiteral("Ben"));
        QStringList answers = TimedTest::correctAnswers();
        answers[0] = QStringLiteral("21");
        typeAll(second, answers);
        clockTicks(second, 3);
        second->DoneButton_Click();

        TestComplete* fresh = results();
        QVERIFY(fresh != old || oldWatch.isNull());
        QVERIFY(!Forms::isOpen(old));
        int open = 0;
        for (Form* form : Forms::openForms())
            open += form->kind() == QLatin1String("TestComplete");
        QCOMPARE(open, 1);
        QCOMPARE(fresh->ScoreLBL->text(), QStringLiteral("14"));
        QCOMPARE(fresh->MyTime->text(), QStringLiteral("3"));
        QCOMPARE(fresh->StudentNameTXT, QStringLiteral("Ben"));
        QCOMPARE(fresh->StudentNamELBL->text(), QStringLiteral("Student Name: Ben"));
        QCOMPARE(fresh->TimeLBL2, QStringLiteral("03-52 PM"));
        QCOMPARE(fresh->Correct[1]->text(), QStringLiteral("Incorrect"));
    }

    void clockTimersAreTheRightPace()
    {
        MentalTest* test = startTest(QStringLiteral("Sam"));
        QCOMPARE(test->PopTimer->interval(), 25);
        QCOMPARE(test->ScrollTime->interval(), 1000);
        QCOMPARE(test->ScrollTime->timerType(), Qt::PreciseTimer);
    }

private:
    RecordingSoundBackend recorder;
};

QTEST_MAIN(MentalTestTest)
#include "MentalTest_test.moc"
