// The practice loop: presenting, judging, the feedback pause, going back, and a whole level.
#include "app/FormsTesting.h"
#include "app/Forms.h"
#include "app/SoundCue.h"
#include "app/notices/AreYouSure.h"
#include "review/MentalReview1.h"
#include "review/MentalReview2.h"
#include "review/PracticeRules.h"
#include "review/banks/FactString.h"
#include "review/banks/QuestionBanks.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {
const char* const DigitWords[10] = {"Zero", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"};

// Enters `answer` on the pad as a pupil would, one digit button per place.
void enterOnPad(MentalReview2* window, const QString& answer)
{
    const char rows[] = {'C', 'B', 'A'};
    const int first = 3 - int(answer.size());
    for (int i = 0; i < answer.size(); ++i) {
        const QString name = QString::fromLatin1(DigitWords[answer.at(i).digitValue()]) + QLatin1Char(rows[first + i]);
        auto* button = window->findChild<PictureButton*>(name);
        QVERIFY2(button && button->isVisibleTo(window), qPrintable(name));
        button->click();
    }
}

// A practice window with a pool of the given facts, as the set-up leaves it.
MentalReview2* practiceWith(const QStringList& pool)
{
    MentalReview2* window = Forms::show<MentalReview2>();
    window->QList = pool;
    window->LvlBanner[1]->show();
    const QString size = QString::number(pool.size());
    window->TotalCountLBL->setText(size);
    window->TotalCountLBL2->setText(size);
    return window;
}

void endPause(MentalReview2* window)
{
    QTimer* running = window->CorrectTimer->isActive() ? window->CorrectTimer : window->WrongTimer;
    QVERIFY(running->isActive());
    for (int tick = 0; tick < 2; ++tick)
        running == window->CorrectTimer ? window->CorrectTimer_Timer() : window->WrongTimer_Timer();
}

bool padShown(MentalReview2* window)
{
    for (auto* row : {&window->DigitA, &window->DigitB, &window->DigitC}) {
        for (PictureButton* button : *row) {
            if (button->isVisibleTo(window))
                return true;
        }
    }
    for (QWidget* back : {window->HundredBack, window->TenBack, window->OneBack}) {
        if (back->isVisibleTo(window))
            return true;
    }
    for (QWidget* blank : {window->HundredBlank, window->TenBlank, window->OneBlank}) {
        if (blank->isVisibleTo(window))
            return true;
    }
    for (auto* tiles : {&window->Hundred, &window->Ten, &window->One}) {
        for (Picture* tile : *tiles) {
            if (tile->isVisibleTo(window))
                return true;
        }
    }
    return false;
}

bool targetsEnabled(MentalReview2* window, bool enabled)
{
    for (int target = 1; target <= 5; ++target) {
        if (window->Target[target]->isEnabled() != enabled)
            return false;
    }
    return true;
}
} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        recorder.cues.clear();
        Sound::setBackend(&recorder);
        quint32 seed = 5;
        practice::setSeedSource([seed]() mutable { return seed++; });
    }
    void cleanup()
    {
        FormsTesting::closeAll();
        Sound::setBackend(nullptr);
        practice::setSeedSource({});
    }

    // --- The rules on their own ---

    void trimmingThePool_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("empty stays empty") << 0 << 0;
        QTest::newRow("one goes") << 1 << 0;
        QTest::newRow("39-item bank") << 39 << 38;
        QTest::newRow("40-item bank") << 40 << 39;
        QTest::newRow("just over") << 41 << 40;
        QTest::newRow("two operations") << 78 << 40;
        QTest::newRow("operation and all facts") << 130 << 40;
    }
    void trimmingThePool()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QStringList pool;
        for (int i = 0; i < before; ++i)
            pool << QString::number(i);
        practice::removeExtraQuestions(pool);
        QCOMPARE(pool.size(), after);
        // The cut is from the end: what stays is the front of the pool.
        for (int i = 0; i < after; ++i)
            QCOMPARE(pool.at(i), QString::number(i));
    }

    void copyingAListOntoItselfDoublesIt()
    {
        QStringList list{"a", "b"};
        practice::copyList(list, list);
        QCOMPARE(list, (QStringList{"a", "b", "a", "b"}));
    }

    void shuffleKeepsEveryEntryAndRepeatsWithItsSeed()
    {
        QStringList pool;
        for (int i = 0; i < 40; ++i)
            pool << QStringLiteral("%1 + 1 = %2").arg(i).arg(i + 1);
        QStringList first = pool;
        QStringList second = pool;
        std::mt19937 a(99), b(99);
        practice::shuffle(first, a);
        practice::shuffle(second, b);
        QCOMPARE(first, second);
        QVERIFY(first != pool);
        std::sort(first.begin(), first.end());
        std::sort(pool.begin(), pool.end());
        QCOMPARE(first, pool);
        QStringList empty;
        practice::shuffle(empty, a);
        QVERIFY(empty.isEmpty());
    }

    void countsAsText()
    {
        QCOMPARE(practice::addToCount(QStringLiteral("9"), 1), QStringLiteral("10"));
        QCOMPARE(practice::addToCount(QStringLiteral("1"), -1), QStringLiteral("0"));
        QCOMPARE(practice::addToCount(QString(), 1), QStringLiteral("1"));
    }

    // --- The window ---

    void opensWithEverythingAtItsStart()
    {
        MentalReview2* window = Forms::show<MentalReview2>();
        QCOMPARE(window->size(), QSize(899, 536));
        QCOMPARE(window->currentLevel(), 0);
        QVERIFY(window->ReviewTimer->isActive());
        QVERIFY(!window->QuestionTimer->isActive());
        QVERIFY(!padShown(window));
        QVERIFY(!window->GoBackButton->isVisibleTo(window));
        QVERIFY(targetsEnabled(window, true));
        QCOMPARE(window->QuestionLBL->font().pixelSize(), 96);
        QCOMPARE(window->Target[3]->geometry(), QRect(192, 272, 207, 183));
        QCOMPARE(window->ExitButton->pos(), QPoint(768, 448));
    }

    void presentingAQuestion()
    {
        MentalReview2* window = practiceWith({QStringLiteral("10 x  3 = 30")});
        window->Target[2]->click();
        QCOMPARE(window->QuestionLBL->text(), QStringLiteral("10 x  3 "));
        QCOMPARE(window->RAnsTXT, QStringLiteral("30"));
        QCOMPARE(window->QuestionList, QStringList{"10 x  3 "});
        QCOMPARE(window->CorrectAns, QStringList{"30"});
        QCOMPARE(window->QList.size(), 1); // asked, not yet judged
        QCOMPARE(recorder.cues, QStringList{"\\OPEN.WAV"});
        QVERIFY(window->QuestionTimer->isActive());
        QVERIFY(targetsEnabled(window, false));
        QVERIFY(window->QuestionLBL->isVisible());
        QCOMPARE(window->QuestionLBL->pos(), QPoint(224, 152));
        QVERIFY(window->GoBackButton->isVisible());
        QVERIFY(window->CheckAns->isVisible());
        QVERIFY(window->TenBlank->isVisible() && window->OneBlank->isVisible());
        QVERIFY(!window->HundredBlank->isVisible());
    }

    void anEmptyPoolIgnoresTheTargets()
    {
        MentalReview2* window = practiceWith({});
        window->Target_Click();
        QVERIFY(window->QuestionList.isEmpty());
        QVERIFY(!window->QuestionLBL->isVisible());
        QVERIFY(targetsEnabled(window, true));
        QCOMPARE(recorder.cues, QStringList{});
    }

    void judging_data()
    {
        QTest::addColumn<QString>("fact");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<bool>("correct");
        QTest::newRow("one digit right") << "3  x  2 = 6" << "6" << "6" << true;
        QTest::newRow("two digits right") << "25 - 13 = 12" << "12" << "12" << true;
        QTest::newRow("three digits right") << "100 ÷ 5 = 20" << "20" << "20" << true;
        QTest::newRow("wrong digit") << "7  -  5  = 2" << "3" << "3" << false;
        QTest::newRow("blank answer") << "10 x 10 = 100" << "" << "No Answer" << false;
    }
    void judging()
    {
        QFETCH(QString, fact);
        QFETCH(QString, entered);
        QFETCH(QString, recorded);
        QFETCH(bool, correct);
        // Two copies, so the level does not end with this answer.
        MentalReview2* window = practiceWith({fact, fact});
        window->Target_Click();
        enterOnPad(window, entered);
        window->QuestionTimer_Timer();
        window->CheckAns_Click();
        QCOMPARE(window->AnswerList, QStringList{recorded});
        QCOMPARE(window->TimeList, QStringList{"1"});
        QCOMPARE(window->CorrectList, QStringList{correct ? "Correct" : "Incorrect"});
        QCOMPARE(window->CorrectCountLBL->text(), QString::number(correct ? 1 : 0));
        QCOMPARE(window->IncorrectCountLBL->text(), QString::number(correct ? 0 : 1));
        QCOMPARE(window->CorrectBanner->isVisible(), correct);
        QCOMPARE(window->SorryBanner->isVisible(), !correct);
        QCOMPARE((correct ? window->CorrectBanner : window->SorryBanner)->pos(), QPoint(248, 144));
        QCOMPARE(window->CorrectTimer->isActive(), correct);
        QCOMPARE(window->WrongTimer->isActive(), !correct);
        QCOMPARE(window->QList.size(), 1);
        QCOMPARE(window->QuestionCount, QStringLiteral("0"));
        QVERIFY(!window->QuestionTimer->isActive());
        QVERIFY(!padShown(window));
        // The question stays on its panel under the banner.
        QVERIFY(window->QuestionLBL->isVisible());
    }

    void checkingBeforeTheFirstSecondRecordsNought()
    {
        MentalReview2* window = practiceWith({"1  + 1 = 2", "1  + 1 = 2"});
        window->Target_Click();
        window->CheckAns_Click();
        QCOMPARE(window->TimeList, QStringList{"0"});
    }

    void theFeedbackPauseLastsTwoTicks()
    {
        MentalReview2* window = practiceWith({"1  + 1 = 2", "1  + 1 = 2"});
        window->Target_Click();
        enterOnPad(window, QStringLiteral("2"));
        window->CheckAns_Click();
        window->CorrectTimer_Timer();
        QVERIFY(window->CorrectBanner->isVisible());
        QVERIFY(targetsEnabled(window, false));
        window->CorrectTimer_Timer();
        QVERIFY(!window->CorrectBanner->isVisible());
        QCOMPARE(window->CorrectBanner->x(), 912); // parked outside the window
        QVERIFY(targetsEnabled(window, true));
        QVERIFY(!window->CorrectTimer->isActive());
        QVERIFY(!window->QuestionLBL->isVisible());
        QVERIFY(!window->GoBackButton->isVisible());
        QCOMPARE(window->TimeCount, QStringLiteral("2"));
    }

    // Double clicks during the pause must not judge, erase or take back anything.
    void thePauseIgnoresTheQuestionButtons()
    {
        MentalReview2* window = practiceWith({"4  + 4 = 8", "4  + 4 = 8", "4  + 4 = 8"});
        window->Target_Click();
        window->CheckAns_Click();
        const QStringList pool = window->QList;
        window->CheckAns->click();
        window->EraseAns->click();
        window->GoBackButton->click();
        QCOMPARE(window->QList, pool);
        QCOMPARE(window->QuestionList.size(), 1);
        QCOMPARE(window->CorrectAns.size(), 1);
        QCOMPARE(window->AnswerList, QStringList{"No Answer"});
        QCOMPARE(window->TimeList.size(), 1);
        QCOMPARE(window->CorrectList.size(), 1);
        QCOMPARE(window->IncorrectCountLBL->text(), QStringLiteral("1"));
        QVERIFY(!padShown(window));
        QVERIFY(window->SorryBanner->isVisible());
        QVERIFY(window->WrongTimer->isActive());
        QCOMPARE(recorder.cues, QStringList{"\\OPEN.WAV"});
        // Held by a level-change offer: timers stopped, banner still up; still ignored.
        window->WrongTimer->stop();
        window->GoBackButton_Click();
        QCOMPARE(window->QuestionList.size(), 1);
        window->WrongTimer->start();
        endPause(window);
        QVERIFY(targetsEnabled(window, true));
    }

    // Going back leaves the pool, and takes back only what the abandoned question recorded.
    void recordsStayInStepThroughGoBack_data()
    {
        QTest::addColumn<QString>("moves"); // T target, B go back, R right, W wrong (then the pause ends)
        QTest::newRow("back at once") << "TB";
        QTest::newRow("back then answer") << "TBTR";
        QTest::newRow("back twice between answers") << "TRTBTBTW";
        QTest::newRow("answers only") << "TRTWTR";
        QTest::newRow("back after answers") << "TWTRTBTB";
    }
    void recordsStayInStepThroughGoBack()
    {
        QFETCH(QString, moves);
        const QStringList facts{"2  + 3 = 5", "12 + 4 = 16", "60 + 40 = 100", "9  - 9 = 0", "3  x  3 = 9",
                                "8  + 1 = 9"};
        MentalReview2* window = practiceWith(facts);
        int judged = 0;
        int right = 0;
        QStringList cues;
        for (QChar move : moves) {
            switch (move.unicode()) {
            case 'T':
                window->Target_Click();
                cues << QStringLiteral("\\OPEN.WAV");
                break;
            case 'B':
                window->GoBackButton_Click();
                cues << QStringLiteral("\\CLOSE.WAV");
                QVERIFY(!padShown(window));
                QVERIFY(!window->QuestionTimer->isActive());
                QVERIFY(targetsEnabled(window, true));
                break;
            case 'R':
            case 'W':
                if (move == QLatin1Char('R')) {
                    enterOnPad(window, window->RAnsTXT);
                    ++right;
                }
                window->CheckAns_Click();
                ++judged;
                endPause(window);
                break;
            }
        }
        QCOMPARE(window->QList.size(), facts.size() - judged);
        for (const QStringList* list : {&window->QuestionList, &window->CorrectAns, &window->AnswerList,
                                        &window->TimeList, &window->CorrectList})
            QCOMPARE(list->size(), judged);
        QCOMPARE(window->CorrectCountLBL->text().toInt() + window->IncorrectCountLBL->text().toInt(), judged);
        QCOMPARE(window->CorrectCountLBL->text(), QString::number(right));
        // Entry i of every list is one question: its text and its answer belong together.
        for (int i = 0; i < judged; ++i) {
            const QString fact = window->QuestionList.at(i) + QStringLiteral("= ") + window->CorrectAns.at(i);
            QVERIFY2(facts.contains(fact), qPrintable(fact));
            const bool wasRight = window->CorrectList.at(i) == QStringLiteral("Correct");
            QCOMPARE(window->AnswerList.at(i) == window->CorrectAns.at(i), wasRight);
        }
        QCOMPARE(recorder.cues, cues);
    }

    void exitAsksWithoutStoppingAnything()
    {
        MentalReview2* window = practiceWith({"1  + 1 = 2"});
        window->Target_Click();
        window->ExitButton->click();
        QVERIFY(Forms::isOpen<AreYouSure>());
        QVERIFY(Forms::isOpen(window));
        QVERIFY(window->QuestionTimer->isActive());
        QVERIFY(window->ReviewTimer->isActive());
    }

    void theClocksCountInText()
    {
        MentalReview2* window = practiceWith({"1  + 1 = 2", "1  + 1 = 2"});
        for (int i = 0; i < 10; ++i)
            window->ReviewTimer_Timer();
        QCOMPARE(window->Time->text(), QStringLiteral("10"));
        window->Target_Click();
        for (int i = 0; i < 12; ++i)
            window->QuestionTimer_Timer();
        QCOMPARE(window->QuestionCount, QStringLiteral("12"));
        window->GoBackButton_Click();
        QCOMPARE(window->QuestionCount, QStringLiteral("0"));
    }

    // A whole level, started from the set-up window as a pupil would, with fixed seeds.
    void aWholeLevelPlayedThrough()
    {
        auto playLevel = [this](QStringList& questions) {
            quint32 seed = 2024;
            practice::setSeedSource([seed]() mutable { return seed++; });
            MentalReview1* setup = Forms::show<MentalReview1>();
            setup->AdditionFact_Click();
            setup->Lvl_Click(5); // no level-change offers at level 5
            setup->StudentNameTXT->setText(QStringLiteral("Ann"));
            setup->STARTButton_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            MentalReview2* window = Forms::get<MentalReview2>();
            QCOMPARE(window->QList.size(), 39);
            const QStringList pool = window->QList;

            for (int i = 0; i < 39; ++i) {
                QVERIFY(Forms::isOpen(window));
                window->Target[1 + i % 5]->click();
                for (int tick = 0; tick < i % 4; ++tick)
                    window->QuestionTimer_Timer();
                if (i % 2 == 0)
                    enterOnPad(window, window->RAnsTXT);
                window->CheckAns->click();
                if (i < 38)
                    endPause(window);
            }
            // The last answer ends the level; the window is on its way out, records intact.
            QVERIFY(!Forms::isOpen(window));
            QCOMPARE(window->QList.size(), 0);
            QCOMPARE(window->CorrectCountLBL->text(), QStringLiteral("20"));
            QCOMPARE(window->IncorrectCountLBL->text(), QStringLiteral("19"));
            QCOMPARE(window->TotalCountLBL->text(), QStringLiteral("39"));
            QCOMPARE(window->QuestionList.size(), 39);
            QStringList asked;
            for (int i = 0; i < 39; ++i) {
                QCOMPARE(window->TimeList.at(i), QString::number(i % 4));
                QCOMPARE(window->CorrectList.at(i), QLatin1String(i % 2 == 0 ? "Correct" : "Incorrect"));
                QCOMPARE(window->AnswerList.at(i), i % 2 == 0 ? window->CorrectAns.at(i) : QStringLiteral("No Answer"));
                asked << window->QuestionList.at(i) + QStringLiteral("= ") + window->CorrectAns.at(i);
            }
            // Every pool entry was asked exactly once.
            QStringList expected;
            for (const QString& fact : pool) {
                const banks::FactParts parts = banks::readFact(fact);
                expected << parts.question + QStringLiteral("= ") + parts.answer;
            }
            QStringList sortedAsked = asked;
            std::sort(sortedAsked.begin(), sortedAsked.end());
            std::sort(expected.begin(), expected.end());
            QCOMPARE(sortedAsked, expected);
            questions = asked;
            FormsTesting::closeAll();
        };
        QStringList first, second;
        playLevel(first);
        if (QTest::currentTestFailed())
            return;
        playLevel(second);
        QCOMPARE(second, first);
    }

private:
    RecordingSoundBackend recorder;
};

QTEST_MAIN(PracticeTest)
#include "practice_test.moc"
