// The progress monitor and the two level-change windows, driven through real levels: set-up,
// practice, the offer, and going on or staying.
#include "app/FormsTesting.h"
#include "app/AppFolder.h"
#include "app/Forms.h"
#include "app/SoundCue.h"
#include "review/LVLEasier.h"
#include "review/LVLHarder.h"
#include "review/LVLMarks.h"
#include "review/MentalReview1.h"
#include "review/MentalReview2.h"
#include "review/banks/QuestionBanks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Starts a level as a pupil would on the set-up window. `ops` holds letters: a(ddition),
// s(ubtraction), m(ultiplication), d(ivision), f (all facts).
MentalReview2* startLevel(const QString& ops, int level, const QString& name)
{
    auto* setup = Forms::show<MentalReview1>();
    if (ops.contains(u'a'))
        setup->AdditionFact_Click();
    if (ops.contains(u's'))
        setup->SubtractionFact_Click();
    if (ops.contains(u'm'))
        setup->MultiplicationFact_Click();
    if (ops.contains(u'd'))
        setup->DivisionFact_Click();
    if (ops.contains(u'f'))
        setup->AllFact_Click();
    setup->Lvl_Click(level);
    setup->StudentNameTXT->setText(name);
    setup->STARTButton_Click();
    return static_cast<MentalReview2*>(Forms::find(QString::fromLatin1(MentalReview2::Kind)));
}

// Presents the next question and answers it on the pad, right or left blank (wrong).
void answer(MentalReview2* practice, bool right)
{
    practice->Target1_Click();
    if (right) {
        const QString digits = practice->RAnsTXT;
        const char rows[] = {'C', 'B', 'A'};
        for (int i = 0; i < digits.size(); ++i)
            practice->Digit_Click(rows[3 - digits.size() + i], digits[i].digitValue());
    }
    practice->CheckAns_Click();
}

LevelChange* openOffer()
{
    if (Form* harder = Forms::find(QString::fromLatin1(LVLHarder::Kind)))
        return static_cast<LevelChange*>(harder);
    return static_cast<LevelChange*>(Forms::find(QString::fromLatin1(LVLEasier::Kind)));
}

bool targetsHidden(MentalReview2* practice)
{
    for (int n = 1; n <= 5; ++n)
        if (!practice->Target[n]->isHidden())
            return false;
    return true;
}

} // namespace

class LevelsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    RecordingSoundBackend recorder;

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        AppFolder::setPath(folder.path());
        Sound::setBackend(&recorder);
    }
    void init() { recorder.cues.clear(); }
    void cleanup()
    {
        FormsTesting::closeAll();
    }
    void cleanupTestCase() { Sound::setBackend(nullptr); }

    void offersAtExactlyTwenty_data()
    {
        QTest::addColumn<QString>("ops");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("rightBefore");
        QTest::addColumn<QString>("wrongBefore");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("offer");
        QTest::newRow("20th right, level 2 of 39") << "a" << 2 << "39" << "19" << "0" << true << "LVLHarder";
        QTest::newRow("20th wrong, level 3 of 39") << "a" << 3 << "39" << "0" << "19" << false << "LVLEasier";
        QTest::newRow("20th right, level 1 of 40") << "as" << 1 << "40" << "19" << "3" << true << "LVLHarder";
        QTest::newRow("20th wrong, level 4 of 40") << "md" << 4 << "40" << "5" << "19" << false << "LVLEasier";
        QTest::newRow("20th right, level 4 of 38") << "s" << 4 << "38" << "19" << "0" << true << "LVLHarder";
        QTest::newRow("20th wrong, level 1 of 38") << "s" << 1 << "38" << "0" << "19" << false << "LVLEasier";
        QTest::newRow("20th right, level 5") << "a" << 5 << "39" << "19" << "19" << true << "";
        QTest::newRow("20th wrong, level 5") << "a" << 5 << "39" << "19" << "19" << false << "";
        QTest::newRow("21st right") << "a" << 2 << "39" << "20" << "0" << true << "";
        QTest::newRow("21st wrong") << "a" << 2 << "39" << "0" << "20" << false << "";
        QTest::newRow("19th right") << "a" << 2 << "39" << "18" << "0" << true << "";
        // After staying at an offer its count stands at 20; an answer the other way offers nothing.
        QTest::newRow("a wrong answer while 20 right") << "a" << 2 << "39" << "20" << "5" << false << "";
        QTest::newRow("a right answer while 20 wrong") << "a" << 2 << "39" << "5" << "20" << true << "";
    }
    void offersAtExactlyTwenty()
    {
        QFETCH(QString, ops);
        QFETCH(int, level);
        QFETCH(QString, total);
        QFETCH(QString, rightBefore);
        QFETCH(QString, wrongBefore);
        QFETCH(bool, right);
        QFETCH(QString, offer);
        MentalReview2* practice = startLevel(ops, level, QStringLiteral("Anna"));
        QVERIFY(practice);
        QCOMPARE(practice->TotalCountLBL2->text(), total);
        practice->CorrectCountLBL->setText(rightBefore);
        practice->IncorrectCountLBL->setText(wrongBefore);
        recorder.cues.clear();
        answer(practice, right);

        QVERIFY(Forms::isOpen(practice));
        LevelChange* window = openOffer();
        if (offer.isEmpty()) {
            QVERIFY(!window);
            QVERIFY(practice->ReviewTimer->isActive());
            QVERIFY(!targetsHidden(practice));
            return;
        }
        QVERIFY(window);
        QCOMPARE(window->kind(), offer);
        QVERIFY(window->isVisible());
        // The current level's plate, and only it.
        QCOMPARE(window->currentLevel(), level);
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(window->LvlBanner[n]->isHidden(), n != level);
        // The practice is paused under it: feedback frozen on screen, clock stopped, no targets.
        QVERIFY(!practice->CorrectTimer->isActive());
        QVERIFY(!practice->WrongTimer->isActive());
        QVERIFY(!practice->ReviewTimer->isActive());
        QVERIFY(targetsHidden(practice));
        QCOMPARE(practice->CorrectBanner->isHidden(), !right);
        QCOMPARE(practice->SorryBanner->isHidden(), right);
        // The flags come across, hidden.
        QCOMPARE(window->AdditionLBL->text(), practice->AdditionLBL);
        QCOMPARE(window->SubtractionLBL->text(), practice->SubtractionLBL);
        QCOMPARE(window->DivisionLBL->text(), practice->DivisionLBL);
        QCOMPARE(window->MultiplicationLBL->text(), practice->MultiplicationLBL);
        QVERIFY(window->AdditionLBL->isHidden());
        QVERIFY(window->StudentNameTXT->isHidden());
        // Applause greets the harder level only.
        QCOMPARE(recorder.cues.contains(QStringLiteral("\\APPLAUSE.WAV")), offer == QLatin1String("LVLHarder"));
    }

    // The twentieth right answer that is also the level's last one ends the level instead.
    void noOfferAfterTheLastAnswer_data()
    {
        QTest::addColumn<bool>("right");
        QTest::newRow("20th right") << true;
        QTest::newRow("20th wrong") << false;
    }
    void noOfferAfterTheLastAnswer()
    {
        QFETCH(bool, right);
        QPointer<MentalReview2> practice = startLevel(QStringLiteral("a"), 2, QStringLiteral("Anna"));
        while (practice->QList.size() > 1)
            practice->QList.removeLast();
        practice->CorrectCountLBL->setText(QStringLiteral("19"));
        practice->IncorrectCountLBL->setText(QStringLiteral("19"));
        answer(practice, right);
        QVERIFY(!Forms::isOpen(practice.data()));
        QVERIFY(!openOffer());
        QVERIFY(Forms::find(QString::fromLatin1(LVLMarks::Kind)));
        QVERIFY(!recorder.cues.contains(QStringLiteral("\\APPLAUSE.WAV")));
    }

    void stayResumesTheFrozenCountdown_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("stay after the 20th right") << true << false;
        QTest::newRow("stay after the 20th wrong") << false << false;
        QTest::newRow("title bar close after the 20th right") << true << true;
    }
    void stayResumesTheFrozenCountdown()
    {
        QFETCH(bool, right);
        QFETCH(bool, titleBar);
        MentalReview2* practice = startLevel(QStringLiteral("a"), 3, QStringLiteral("Anna"));
        practice->Time->setText(QStringLiteral("57"));
        (right ? practice->CorrectCountLBL : practice->IncorrectCountLBL)->setText(QStringLiteral("19"));
        answer(practice, right);
        LevelChange* window = openOffer();
        QVERIFY(window);
        QTimer* feedback = right ? practice->CorrectTimer : practice->WrongTimer;
        QVERIFY(!feedback->isActive());
        QCOMPARE(practice->TimeCount, QStringLiteral("2"));

        if (titleBar)
            window->close();
        else
            window->StayButton_Click();

        QVERIFY(!Forms::isOpen(window));
        QVERIFY(feedback->isActive());
        QVERIFY(!(right ? practice->WrongTimer : practice->CorrectTimer)->isActive());
        QVERIFY(practice->ReviewTimer->isActive());
        QVERIFY(!targetsHidden(practice));
        QCOMPARE(practice->Time->text(), QStringLiteral("57"));
        practice->ReviewTimer_Timer();
        QCOMPARE(practice->Time->text(), QStringLiteral("58"));

        // The pause runs to its end as usual: the banner goes on the second tick.
        Picture* banner = right ? practice->CorrectBanner : practice->SorryBanner;
        right ? practice->CorrectTimer_Timer() : practice->WrongTimer_Timer();
        QVERIFY(!banner->isHidden());
        right ? practice->CorrectTimer_Timer() : practice->WrongTimer_Timer();
        QVERIFY(banner->isHidden());
        QVERIFY(!feedback->isActive());
        QVERIFY(practice->Target[1]->isEnabled());
        // The counts are untouched, so the offer does not come again at the next answer.
        answer(practice, right);
        QVERIFY(!openOffer());
    }

    void goButtonsFollowTheLevelMapping_data()
    {
        QTest::addColumn<bool>("harder");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("harder 1 to 2") << true << 1 << 2;
        QTest::newRow("harder 2 to 3") << true << 2 << 3;
        QTest::newRow("harder 3 to 4") << true << 3 << 4;
        QTest::newRow("harder 4 to 5") << true << 4 << 5;
        QTest::newRow("easier 1 stays 1") << false << 1 << 1;
        QTest::newRow("easier 2 to 1") << false << 2 << 1;
        QTest::newRow("easier 3 to 2") << false << 3 << 2;
        QTest::newRow("easier 4 to 3") << false << 4 << 3;
    }
    void goButtonsFollowTheLevelMapping()
    {
        QFETCH(bool, harder);
        QFETCH(int, from);
        QFETCH(int, to);
        const QString name = QStringLiteral("  Zo\u00EB ");
        QPointer<MentalReview2> before = startLevel(QStringLiteral("ad"), from, name);
        (harder ? before->CorrectCountLBL : before->IncorrectCountLBL)->setText(QStringLiteral("19"));
        answer(before, harder);
        LevelChange* window = openOffer();
        QVERIFY(window);
        if (harder)
            static_cast<LVLHarder*>(window)->GoHarder_Click();
        else
            static_cast<LVLEasier*>(window)->GoEasy_Click();

        auto* after = static_cast<MentalReview2*>(Forms::find(QString::fromLatin1(MentalReview2::Kind)));
        QVERIFY(after);
        QVERIFY(after != before.data());
        QVERIFY(!Forms::isOpen(window));
        QVERIFY(!Forms::find(QString::fromLatin1(MentalReview1::Kind)));
        QCOMPARE(Forms::openForms().size(), 1);
        QCOMPARE(after->currentLevel(), to);
        QCOMPARE(after->StudentNameTXT->text(), name);
        QCOMPARE(after->AdditionLBL, QStringLiteral("YES"));
        QCOMPARE(after->DivisionLBL, QStringLiteral("YES"));
        QCOMPARE(after->SubtractionLBL, QStringLiteral("No Subtraction"));
        QCOMPARE(after->MultiplicationLBL, QStringLiteral("No Multiplication"));
        // A fresh start: a new pool, no record, counts and clock from zero.
        QCOMPARE(after->TotalCountLBL->text(), QStringLiteral("40"));
        QCOMPARE(after->QList.size(), 40);
        QVERIFY(after->QuestionList.isEmpty());
        QCOMPARE(after->CorrectCountLBL->text(), QStringLiteral("0"));
        QCOMPARE(after->IncorrectCountLBL->text(), QStringLiteral("0"));
        QCOMPARE(after->Time->text(), QStringLiteral("0"));
        QCOMPARE(after->AddQList, banks::bank(banks::Operation::Addition, to));
        QCOMPARE(after->DivQList, banks::bank(banks::Operation::Division, to));
    }

    // After an all-facts level the next level is drawn from the four single-operation banks.
    void allFactsThenHarderChain()
    {
        MentalReview2* first = startLevel(QStringLiteral("f"), 3, QStringLiteral("Class"));
        QCOMPARE(first->TotalCountLBL->text(), QStringLiteral("39"));
        first->CorrectCountLBL->setText(QStringLiteral("19"));
        answer(first, true);
        auto* harder = static_cast<LVLHarder*>(Forms::find(QString::fromLatin1(LVLHarder::Kind)));
        QVERIFY(harder);
        for (QLabel* flag : {harder->AdditionLBL, harder->SubtractionLBL, harder->DivisionLBL, harder->MultiplicationLBL})
            QCOMPARE(flag->text(), QStringLiteral("YES"));
        harder->GoHarder_Click();

        auto* second = static_cast<MentalReview2*>(Forms::find(QString::fromLatin1(MentalReview2::Kind)));
        QVERIFY(second && second != first);
        QCOMPARE(second->currentLevel(), 4);
        QCOMPARE(second->AddQList, banks::bank(banks::Operation::Addition, 4));
        QCOMPARE(second->SubQList, banks::bank(banks::Operation::Subtraction, 4));
        QCOMPARE(second->DivQList, banks::bank(banks::Operation::Division, 4));
        QCOMPARE(second->MultiQList, banks::bank(banks::Operation::Multiplication, 4));
        QCOMPARE(second->TotalCountLBL->text(), QStringLiteral("40"));
        QCOMPARE(second->StudentNameTXT->text(), QStringLiteral("Class"));
        for (const QString* flag : {&second->AdditionLBL, &second->SubtractionLBL, &second->DivisionLBL,
                                    &second->MultiplicationLBL})
            QCOMPARE(*flag, QStringLiteral("YES"));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        QTest::newRow("harder go") << "LVLHarder" << "GoHarder" << QRect(400, 328, 163, 117);
        QTest::newRow("harder stay") << "LVLHarder" << "StayButton" << QRect(24, 328, 163, 117);
        QTest::newRow("harder plate") << "LVLHarder" << "Lvl3Banner" << QRect(424, 8, 160, 51);
        QTest::newRow("easier go") << "LVLEasier" << "GoEasy" << QRect(400, 328, 163, 117);
        QTest::newRow("easier stay") << "LVLEasier" << "StayButton" << QRect(24, 328, 163, 117);
    }
    void layout()
    {
        QFETCH(QString, kind);
        QFETCH(QString, control);
        QFETCH(QRect, place);
        Form* window = kind == QLatin1String("LVLHarder") ? static_cast<Form*>(Forms::show<LVLHarder>())
                                                          : static_cast<Form*>(Forms::show<LVLEasier>());
        QCOMPARE(window->windowTitle(), QStringLiteral("What Would You Like To Do?"));
        QCOMPARE(window->size(), QSize(591, 453));
        auto* widget = window->findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
    }
};

QTEST_MAIN(LevelsTest)
#include "levels_test.moc"
