// The review set-up: the choosing rules, the name, and what the start step hands to practice.
#include "app/FormsTesting.h"
#include "app/Forms.h"
#include "app/SoundCue.h"
#include "app/notices/NoFacts.h"
#include "review/MentalReview1.h"
#include "review/MentalReview2.h"
#include "review/PracticeRules.h"
#include "review/banks/QuestionBanks.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {
// Clicks by the names the pupil sees: "add", "sub", "multi", "div", "all", a trailing "*" for
// the ticked face; "L3" for a level, "L3*" for its ticked face.
void clickChoice(MentalReview1* setup, const QString& choice)
{
    const bool ticked = choice.endsWith(QLatin1Char('*'));
    const QString stem = ticked ? choice.chopped(1) : choice;
    if (stem.startsWith(QLatin1Char('L'))) {
        const int level = stem.mid(1).toInt();
        ticked ? setup->LvlSELECT_Click(level) : setup->Lvl_Click(level);
        return;
    }
    using Handler = void (MentalReview1::*)();
    struct Row { const char* name; Handler plain; Handler tick; };
    const Row rows[] = {
        {"add", &MentalReview1::AdditionFact_Click, &MentalReview1::AdditionFactSELECT_Click},
        {"sub", &MentalReview1::SubtractionFact_Click, &MentalReview1::SubtractionFactSELECT_Click},
        {"multi", &MentalReview1::MultiplicationFact_Click, &MentalReview1::MultiplicationFactSELECT_Click},
        {"div", &MentalReview1::DivisionFact_Click, &MentalReview1::DivisionFactSELECT_Click},
        {"all", &MentalReview1::AllFact_Click, &MentalReview1::AllFactSELECT_Click},
    };
    for (const Row& row : rows) {
        if (stem == QLatin1String(row.name)) {
            (setup->*(ticked ? row.tick : row.plain))();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("unknown choice ") + choice));
}

// What the window shows as chosen, in the same words.
QStringList chosenNow(MentalReview1* setup)
{
    QStringList chosen;
    const std::pair<const char*, PictureButton*> operations[] = {
        {"add", setup->AdditionFactSELECT}, {"sub", setup->SubtractionFactSELECT},
        {"multi", setup->MultiplicationFactSELECT}, {"div", setup->DivisionFactSELECT},
        {"all", setup->AllFactSELECT}};
    const std::pair<const char*, PictureButton*> plains[] = {
        {"add", setup->AdditionFact}, {"sub", setup->SubtractionFact}, {"multi", setup->MultiplicationFact},
        {"div", setup->DivisionFact}, {"all", setup->AllFact}};
    for (int i = 0; i < 5; ++i) {
        // The plain face may stay shown beneath a ticked one; some face must always be shown.
        const bool ticked = operations[i].second->isVisibleTo(setup);
        if (!ticked && !plains[i].second->isVisibleTo(setup))
            return {QStringLiteral("no face of ") + QLatin1String(operations[i].first)};
        if (ticked)
            chosen << QLatin1String(operations[i].first);
    }
    for (int level = 1; level <= 5; ++level) {
        const bool ticked = setup->LvlSELECT[level]->isVisibleTo(setup);
        if (ticked == setup->Lvl[level]->isVisibleTo(setup))
            return {QStringLiteral("both or neither faces of level %1").arg(level)};
        if (ticked)
            chosen << QStringLiteral("L%1").arg(level);
    }
    return chosen;
}

QStringList bankOf(banks::Operation op, int level)
{
    QStringList items;
    banks::loadBank(op, level, items);
    return items;
}

bool isDrawnFrom(QStringList pool, QStringList source)
{
    for (const QString& item : pool) {
        const qsizetype at = source.indexOf(item);
        if (at < 0)
            return false;
        source.removeAt(at);
    }
    return true;
}
} // namespace

class SetupTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        recorder.cues.clear();
        Sound::setBackend(&recorder);
        quint32 seed = 1;
        practice::setSeedSource([seed]() mutable { return seed++; });
    }
    void cleanup()
    {
        FormsTesting::closeAll();
        Sound::setBackend(nullptr);
        practice::setSeedSource({});
    }

    void opensWithNothingChosenAndAnEmptyName()
    {
        MentalReview1* setup = Forms::show<MentalReview1>();
        QCOMPARE(chosenNow(setup), QStringList{});
        QCOMPARE(setup->StudentNameTXT->text(), QString());
        QVERIFY(!setup->BaseTenFact->isVisibleTo(setup));
        QVERIFY(!setup->BaseTenFactSELECT->isVisibleTo(setup));
        QCOMPARE(setup->size(), QSize(901, 539));
        QCOMPARE(setup->AllFactSELECT->geometry(), QRect(736, 96, 133, 112));
        QCOMPARE(setup->Lvl[5]->geometry(), QRect(736, 376, 45, 46));
        QCOMPARE(setup->STARTButton->geometry(), QRect(760, 443, 126, 88));
    }

    void choosingRules_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("sounds");
        const QString c1 = QStringLiteral("\\Click1.WAV");
        const QString c2 = QStringLiteral("\\Click2.WAV");
        QTest::newRow("operations add up") << QStringList{"add", "div", "sub"} << QStringList{"add", "sub", "div"}
                                           << QStringList{c1, c1, c1};
        QTest::newRow("all facts clears the four") << QStringList{"add", "multi", "all"} << QStringList{"all"}
                                                   << QStringList{c1, c1, c1};
        QTest::newRow("an operation after all facts keeps it") << QStringList{"all", "add"}
                                                               << QStringList{"add", "all"} << QStringList{c1, c1};
        QTest::newRow("a ticked face clears every operation") << QStringList{"add", "div", "all", "multi", "div*"}
                                                              << QStringList{} << QStringList{c1, c1, c1, c1, c1};
        QTest::newRow("ticked all facts clears too") << QStringList{"all", "sub", "all*"} << QStringList{}
                                                     << QStringList{c1, c1, c1};
        QTest::newRow("ticked subtraction clears silently") << QStringList{"add", "sub", "sub*"} << QStringList{}
                                                            << QStringList{c1, c1};
        QTest::newRow("levels are exclusive") << QStringList{"L2", "L4"} << QStringList{"L4"} << QStringList{c2, c2};
        QTest::newRow("a ticked level clears the level") << QStringList{"L3", "L3*"} << QStringList{}
                                                         << QStringList{c2, c2};
        QTest::newRow("level and operations are apart") << QStringList{"L5", "add", "add*"} << QStringList{"L5"}
                                                        << QStringList{c2, c1, c1};
    }
    void choosingRules()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, sounds);
        MentalReview1* setup = Forms::show<MentalReview1>();
        for (const QString& click : clicks)
            clickChoice(setup, click);
        QCOMPARE(chosenNow(setup), chosen);
        QCOMPARE(recorder.cues, sounds);
    }

    void clicksReachTheHandlers()
    {
        MentalReview1* setup = Forms::show<MentalReview1>();
        setup->findChild<PictureButton*>(QStringLiteral("MultiplicationFact"))->click();
        setup->findChild<PictureButton*>(QStringLiteral("Lvl2"))->click();
        QCOMPARE(chosenNow(setup), (QStringList{"multi", "L2"}));
        setup->findChild<PictureButton*>(QStringLiteral("Lvl2SELECT"))->click();
        setup->findChild<PictureButton*>(QStringLiteral("MultiplicationFactSELECT"))->click();
        QCOMPARE(chosenNow(setup), QStringList{});
    }

    void nameButtons()
    {
        MentalReview1* setup = Forms::show<MentalReview1>();
        setup->PlayAsAClass_Click();
        QCOMPARE(setup->StudentNameTXT->text(), QStringLiteral("Class"));
        setup->EraseName_Click();
        QCOMPARE(setup->StudentNameTXT->text(), QString());
        QCOMPARE(recorder.cues, QStringList{});
    }

    void startWithoutAnOperationOnlyReminds()
    {
        MentalReview1* setup = Forms::show<MentalReview1>();
        setup->Lvl_Click(2);
        setup->StudentNameTXT->setText(QStringLiteral("Ann"));
        setup->STARTButton_Click();
        QVERIFY(Forms::isOpen<NoFacts>());
        QVERIFY(Forms::isOpen(setup));
        QVERIFY(!Forms::isOpen<MentalReview2>());
        QCOMPARE(chosenNow(setup), QStringList{"L2"});
        QCOMPARE(setup->StudentNameTXT->text(), QStringLiteral("Ann"));
    }

    // The pool a start leaves behind, for each kind of choice.
    void poolSizes_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("pool");
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("flags"); // add, sub, div, multi
        QTest::addColumn<QStringList>("source"); // the banks the pool must come from
        const QString Y = QStringLiteral("YES");
        const QStringList none{"No Addition", "No Subtraction", "No Division", "No Multiplication"};
        QTest::newRow("addition, no level") << QStringList{"add"} << 39 << 1
                                            << QStringList{Y, none[1], none[2], none[3]}
                                            << bankOf(banks::Operation::Addition, 1);
        QTest::newRow("multiplication, no level") << QStringList{"multi"} << 39 << 1
                                                  << QStringList{none[0], none[1], none[2], Y}
                                                  << bankOf(banks::Operation::Multiplication, 1);
        QTest::newRow("addition, level 2") << QStringList{"add", "L2"} << 39 << 2
                                           << QStringList{Y, none[1], none[2], none[3]}
                                           << bankOf(banks::Operation::Addition, 2);
        QTest::newRow("subtraction level 1: 39-item bank") << QStringList{"sub", "L1"} << 38 << 1
                                                           << QStringList{none[0], Y, none[2], none[3]}
                                                           << bankOf(banks::Operation::Subtraction, 1);
        QTest::newRow("subtraction level 4: 39-item bank") << QStringList{"sub", "L4"} << 38 << 4
                                                           << QStringList{none[0], Y, none[2], none[3]}
                                                           << bankOf(banks::Operation::Subtraction, 4);
        QTest::newRow("division level 2: 39-item bank") << QStringList{"div", "L2"} << 38 << 2
                                                        << QStringList{none[0], none[1], Y, none[3]}
                                                        << bankOf(banks::Operation::Division, 2);
        QStringList allFacts3;
        banks::loadAllFacts(3, allFacts3, allFacts3, allFacts3, allFacts3);
        QTest::newRow("all facts level 3") << QStringList{"all", "L3"} << 39 << 3 << QStringList{Y, Y, Y, Y}
                                           << allFacts3;
        QTest::newRow("addition and division level 5")
            << QStringList{"add", "div", "L5"} << 40 << 5 << QStringList{Y, none[1], Y, none[3]}
            << bankOf(banks::Operation::Addition, 5) + bankOf(banks::Operation::Division, 5);
        QStringList allFacts1;
        banks::loadAllFacts(1, allFacts1, allFacts1, allFacts1, allFacts1);
        QTest::newRow("all facts then addition, no level")
            << QStringList{"all", "add"} << 40 << 1 << QStringList{Y, Y, Y, Y}
            // the addition list goes in twice: once for addition, once for all facts
            << bankOf(banks::Operation::Addition, 1) + bankOf(banks::Operation::Addition, 1) + allFacts1 + allFacts1;
    }
    void poolSizes()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, pool);
        QFETCH(int, level);
        QFETCH(QStringList, flags);
        QFETCH(QStringList, source);
        MentalReview1* setup = Forms::show<MentalReview1>();
        for (const QString& click : clicks)
            clickChoice(setup, click);
        setup->StudentNameTXT->setText(QStringLiteral("Ann"));
        setup->STARTButton_Click();

        QVERIFY(!Forms::isOpen(setup));
        auto* practice = Forms::get<MentalReview2>();
        QCOMPARE(practice->QList.size(), pool);
        QCOMPARE(practice->TotalCountLBL->text(), QString::number(pool));
        QCOMPARE(practice->TotalCountLBL2->text(), QString::number(pool));
        QCOMPARE(practice->currentLevel(), level);
        for (int other = 1; other <= 5; ++other)
            QCOMPARE(practice->LvlBanner[other]->isVisibleTo(practice), other == level);
        QCOMPARE((QStringList{practice->AdditionLBL, practice->SubtractionLBL, practice->DivisionLBL,
                              practice->MultiplicationLBL}),
                 flags);
        QVERIFY(isDrawnFrom(practice->QList, source));
        QCOMPARE(practice->StudentNameTXT->text(), QStringLiteral("Ann"));
        QCOMPARE(practice->TypeQTXT, QStringLiteral("Numbers"));
        // Ready for the first question: targets on, question area away, counts at nought.
        for (int target = 1; target <= 5; ++target)
            QVERIFY(practice->Target[target]->isEnabled());
        QVERIFY(!practice->QuestionLBL->isVisibleTo(practice));
        QVERIFY(!practice->QBackground->isVisibleTo(practice));
        QVERIFY(!practice->CheckAns->isVisibleTo(practice));
        QCOMPARE(practice->CorrectCountLBL->text(), QStringLiteral("0"));
        QCOMPARE(practice->IncorrectCountLBL->text(), QStringLiteral("0"));
        QVERIFY(practice->ReviewTimer->isActive());
    }

    void anOperationWithAllFactsIsLoadedTwice()
    {
        MentalReview1* setup = Forms::show<MentalReview1>();
        clickChoice(setup, QStringLiteral("all"));
        clickChoice(setup, QStringLiteral("add"));
        setup->STARTButton_Click();
        auto* practice = Forms::get<MentalReview2>();
        QCOMPARE(practice->AddQList.size(), 50);
        QCOMPARE(practice->SubQList.size(), 10);
    }

    void startNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("handed");
        QTest::newRow("empty means the class") << QString() << QStringLiteral("Class");
        QTest::newRow("blanks are a name") << QStringLiteral("   ") << QStringLiteral("   ");
        QTest::newRow("a name as typed") << QStringLiteral("Zoë O'Neil") << QStringLiteral("Zoë O'Neil");
    }
    void startNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, handed);
        MentalReview1* setup = Forms::show<MentalReview1>();
        clickChoice(setup, QStringLiteral("div"));
        setup->StudentNameTXT->setText(typed);
        setup->STARTButton_Click();
        QCOMPARE(Forms::get<MentalReview2>()->StudentNameTXT->text(), handed);
    }

    // As a level change does it: a fresh window prepared by hand, then started without a click.
    void startsWithoutAClickOnAPreparedWindow()
    {
        MentalReview1* setup = Forms::show<MentalReview1>();
        setup->StudentNameTXT->setText(QStringLiteral("Ben"));
        setup->LvlSELECT[4]->setVisible(true);
        setup->SubtractionFactSELECT->setVisible(true);
        setup->MultiplicationFactSELECT->setVisible(true);
        setup->STARTButton_Click();
        auto* practice = Forms::get<MentalReview2>();
        QCOMPARE(practice->currentLevel(), 4);
        QCOMPARE(practice->QList.size(), 40);
        QCOMPARE(practice->SubtractionLBL, QStringLiteral("YES"));
        QCOMPARE(practice->MultiplicationLBL, QStringLiteral("YES"));
        QCOMPARE(practice->AdditionLBL, QStringLiteral("No Addition"));
        QCOMPARE(practice->StudentNameTXT->text(), QStringLiteral("Ben"));
        QVERIFY(!Forms::isOpen(setup));
    }

    void goBackClosesOnlyTheSetUp()
    {
        MentalReview1* setup = Forms::show<MentalReview1>();
        clickChoice(setup, QStringLiteral("add"));
        setup->GoBackButton_Click();
        QVERIFY(!Forms::isOpen(setup));
        QVERIFY(!Forms::isOpen<MentalReview2>());
    }

    void aFixedSeedGivesTheSamePool()
    {
        auto startOnce = [] {
            quint32 seed = 42;
            practice::setSeedSource([seed]() mutable { return seed++; });
            MentalReview1* setup = Forms::show<MentalReview1>();
            clickChoice(setup, QStringLiteral("add"));
            clickChoice(setup, QStringLiteral("sub"));
            setup->STARTButton_Click();
            const QStringList pool = Forms::get<MentalReview2>()->QList;
            FormsTesting::closeAll();
            return pool;
        };
        const QStringList first = startOnce();
        QCOMPARE(first.size(), 40);
        QCOMPARE(startOnce(), first);
        // Shuffled before the cut: the pool is not simply the first 40 items loaded.
        QVERIFY(first != bankOf(banks::Operation::Addition, 1).mid(0, 40));
    }

private:
    RecordingSoundBackend recorder;
};

QTEST_MAIN(SetupTest)
#include "setup_test.moc"
