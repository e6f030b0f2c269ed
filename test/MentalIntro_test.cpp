// The test introduction: the rules page by its schedule, the name entry and the ways out.
#include "app/FormsTesting.h"
#include "app/Forms.h"
#include "app/Main.h"
#include "app/SoundCue.h"
#include "app/Twips.h"
#include "app/notices/NoName.h"
#include "test/MentalIntro.h"
#include "test/MentalTest.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

void ticks(MentalIntro* intro, int count)
{
    for (int i = 0; i < count; ++i)
        intro->ScrollTime_Timer();
}

// The page that shows (0: none), failing when more than one does.
int visiblePage(MentalIntro* intro)
{
    int page = 0;
    for (int n = 1; n <= 5; ++n) {
        if (intro->IMG[n]->isVisibleTo(intro)) {
            if (page)
                return -1;
            page = n;
        }
    }
    return page;
}

QStringList visibleMarkers(MentalIntro* intro)
{
    QStringList names;
    for (QWidget* marker : {intro->Purple, intro->Green, intro->Yellow, intro->Red})
        if (marker->isVisibleTo(intro))
            names << marker->objectName();
    return names;
}

} // namespace

class MentalIntroTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Sound::setBackend(&recorder); }
    void cleanup()
    {
        FormsTesting::closeAll();
        Sound::setBackend(nullptr);
    }

    void opensOnTheBareBackgroundWithNextAndGoBack()
    {
        MentalIntro* intro = Forms::show<MentalIntro>();
        QCOMPARE(intro->size(), QSize(696, 487));
        QCOMPARE(visiblePage(intro), 0);
        QCOMPARE(visibleMarkers(intro), QStringList());
        QVERIFY(!intro->Time60->isVisibleTo(intro));
        QVERIFY(!intro->StudentNameTXT->isVisibleTo(intro));
        QVERIFY(intro->StudentNameTXT->text().isEmpty());
        QVERIFY(intro->NextButton->isVisibleTo(intro));
        QVERIFY(intro->GoBackButton->isVisibleTo(intro));
        QVERIFY(!intro->STARTButton->isVisibleTo(intro));
        QVERIFY(intro->ScrollTime->isActive());
        QCOMPARE(intro->ScrollTime->interval(), 50);
        QCOMPARE(intro->NextButton->geometry(), twips::rect(8400, 5880, 1890, 1320));
        QCOMPARE(intro->GoBackButton->pos(), twips::pos(6360, 5880));
    }

    void schedule_data()
    {
        QTest::addColumn<int>("tick");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("marker"); // the one marker shown, or empty
        QTest::addColumn<QPoint>("at");      // its Left, Top in twips
        QTest::addColumn<bool>("time60");
        QTest::addColumn<bool>("running");
        auto row = [](int tick, int page, const char* marker, QPoint at, bool time60, bool running = true) {
            QTest::addRow("tick %d", tick) << tick << page << QString::fromLatin1(marker) << at << time60 << running;
        };
        row(1, 1, "", {}, false);
        row(9, 1, "", {}, false);
        row(10, 1, "Purple", {380, 1150}, false);
        row(15, 1, "", {}, false);
        row(30, 1, "Purple", {380, 1150}, false);
        row(31, 1, "Purple", {380, 1150}, false);
        row(40, 1, "Purple", {3980, 1150}, false);
        row(45, 1, "Purple", {5980, 1150}, false);
        row(46, 1, "Purple", {6480, 1150}, false);
        row(51, 1, "Purple", {8980, 1150}, false);
        row(52, 2, "", {}, false);
        row(62, 2, "Green", {360, 1800}, false);
        row(88, 2, "", {}, false);
        row(94, 2, "Green", {760, 1800}, false);
        row(96, 2, "Green", {1660, 1800}, false);
        row(116, 2, "Green", {9660, 1800}, false);
        row(117, 2, "Green", {360, 2350}, false);
        row(121, 2, "Green", {2060, 2350}, false);
        row(123, 2, "Green", {3260, 2350}, false);
        row(131, 2, "Green", {6460, 2350}, false);
        row(132, 3, "", {}, false);
        row(133, 3, "", {}, true);
        row(134, 3, "Yellow", {360, 3000}, true);
        row(189, 3, "", {}, true);
        row(203, 3, "Yellow", {3960, 3000}, true);
        row(204, 3, "Yellow", {3960, 3000}, true);
        row(205, 3, "Yellow", {4360, 3000}, true);
        row(217, 3, "Yellow", {9160, 3000}, true);
        row(218, 3, "Yellow", {360, 3600}, true);
        row(227, 3, "Yellow", {3960, 3600}, true);
        row(228, 4, "", {}, true);
        row(236, 4, "", {}, true);
        row(241, 4, "Red", {360, 4320}, true);
        row(256, 4, "", {}, true);
        row(261, 4, "Red", {3560, 4320}, true);
        row(276, 4, "Red", {9560, 4320}, true);
        row(277, 4, "Red", {360, 4800}, true);
        row(289, 4, "Red", {5160, 4800}, true);
        row(290, 5, "", {}, true, false);
    }
    void schedule()
    {
        QFETCH(int, tick);
        QFETCH(int, page);
        QFETCH(QString, marker);
        QFETCH(QPoint, at);
        QFETCH(bool, time60);
        QFETCH(bool, running);
        MentalIntro* intro = Forms::show<MentalIntro>();
        ticks(intro, tick);
        QCOMPARE(intro->ScrollCount, QString::number(tick));
        QCOMPARE(visiblePage(intro), page);
        QCOMPARE(visibleMarkers(intro), marker.isEmpty() ? QStringList() : QStringList{marker});
        if (!marker.isEmpty())
            QCOMPARE(intro->findChild<QWidget*>(marker)->pos(), twips::pos(at.x(), at.y()));
        QCOMPARE(intro->Time60->isVisibleTo(intro), time60);
        QCOMPARE(intro->ScrollTime->isActive(), running);
    }

    void theAnimationStopsItselfAtTick290()
    {
        MentalIntro* intro = Forms::show<MentalIntro>();
        int handled = 0;
        while (intro->ScrollTime->isActive() && handled < 1000) {
            intro->ScrollTime_Timer();
            ++handled;
        }
        QCOMPARE(handled, 290);
        QCOMPARE(intro->ScrollCount, QStringLiteral("290"));
        QCOMPARE(visiblePage(intro), 5);
        QVERIFY(intro->NextButton->isVisibleTo(intro));
    }

    void nextStopsTheAnimationWhereItIs_data()
    {
        QTest::addColumn<int>("tick");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("time60");
        QTest::newRow("tick 40, purple sweeping") << 40 << "Purple" << QPoint(3980, 1150) << false;
        QTest::newRow("tick 150, after the 60 plate") << 150 << "" << QPoint() << true;
        QTest::newRow("after the last page") << 290 << "" << QPoint() << true;
    }
    void nextStopsTheAnimationWhereItIs()
    {
        QFETCH(int, tick);
        QFETCH(QString, marker);
        QFETCH(QPoint, at);
        QFETCH(bool, time60);
        MentalIntro* intro = Forms::show<MentalIntro>();
        ticks(intro, tick);
        intro->NextButton_Click();
        QVERIFY(!intro->ScrollTime->isActive());
        QCOMPARE(visiblePage(intro), 1);
        QCOMPARE(visibleMarkers(intro), marker.isEmpty() ? QStringList() : QStringList{marker});
        if (!marker.isEmpty()) {
            QWidget* bar = intro->findChild<QWidget*>(marker);
            QCOMPARE(bar->pos(), twips::pos(at.x(), at.y()));
            // The name prompt lies over the marker it stopped beside.
            QVERIFY(intro->children().indexOf(intro->EnterName) > intro->children().indexOf(bar));
        }
        QCOMPARE(intro->Time60->isVisibleTo(intro), time60);
        QVERIFY(intro->EnterName->isVisibleTo(intro));
        QVERIFY(intro->StudentNameTXT->isVisibleTo(intro));
        QVERIFY(intro->ClassPlayButton->isVisibleTo(intro));
        QVERIFY(intro->STARTButton->isVisibleTo(intro));
        QVERIFY(!intro->NextButton->isVisibleTo(intro));
        QCOMPARE(intro->StudentNameTXT->font().pointSize(), 26);
    }

    void startingTheTest_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("asClass");
        QTest::addColumn<QString>("name");
        QTest::newRow("a name") << "Sam" << false << "Sam";
        QTest::newRow("blanks are a name") << "   " << false << "   ";
        QTest::newRow("the prompt typed as a name") << "Student Name" << false << "Student Name";
        QTest::newRow("class, box empty") << "" << true << "Class";
        QTest::newRow("class over a typed name") << "Ann" << true << "Class";
    }
    void startingTheTest()
    {
        QFETCH(QString, typed);
        QFETCH(bool, asClass);
        QFETCH(QString, name);
        MentalIntro* intro = Forms::show<MentalIntro>();
        intro->NextButton_Click();
        QTest::keyClicks(intro->StudentNameTXT, typed);
        if (asClass)
            QTest::mouseClick(intro->ClassPlayButton, Qt::LeftButton);
        else
            QTest::mouseClick(intro->STARTButton, Qt::LeftButton);
        QVERIFY(!Forms::isOpen<MentalIntro>());
        auto* test = static_cast<MentalTest*>(Forms::find(QStringLiteral("MentalTest")));
        QVERIFY(test);
        QVERIFY(test->isVisible());
        QCOMPARE(test->StudentNameTXT, name);
        QCOMPARE(test->windowTitle(), QStringLiteral("Radezo Ruda Test - Timed Test 60 Seconds  --") + name);
        QVERIFY(test->PopTimer->isActive());
    }

    void anEmptyNameAsksAndWaits()
    {
        MentalIntro* intro = Forms::show<MentalIntro>();
        intro->NextButton_Click();
        intro->STARTButton_Click();
        QVERIFY(Forms::isOpen<NoName>());
        QVERIFY(Forms::isOpen(intro));
        QVERIFY(!Forms::isOpen<MentalTest>());
        QVERIFY(intro->StudentNameTXT->isVisibleTo(intro));
        QVERIFY(intro->StudentNameTXT->text().isEmpty());
    }

    void noNamesClassPlayStartsTheTestAndStaysOpen()
    {
        MentalIntro* intro = Forms::show<MentalIntro>();
        intro->NextButton_Click();
        intro->STARTButton_Click();
        auto* notice = static_cast<NoName*>(Forms::find(QStringLiteral("NoName")));
        QVERIFY(notice);
        QTest::mouseClick(notice->ClassPlayButton, Qt::LeftButton);
        QVERIFY(!Forms::isOpen<MentalIntro>());
        QVERIFY(Forms::isOpen(notice));
        auto* test = static_cast<MentalTest*>(Forms::find(QStringLiteral("MentalTest")));
        QVERIFY(test);
        QCOMPARE(test->StudentNameTXT, QStringLiteral("Class"));
        QVERIFY(test->windowTitle().endsWith(QStringLiteral("--Class")));
        notice->GoBackButton_Click();
        QVERIFY(!Forms::isOpen<NoName>());
        QVERIFY(Forms::isOpen(test));
    }

    void goBackReturnsToTheMainMenu()
    {
        Forms::show<Main>();
        MentalIntro* intro = Forms::show<MentalIntro>();
        ticks(intro, 60);
        QTest::mouseClick(intro->GoBackButton, Qt::LeftButton);
        QVERIFY(!Forms::isOpen<MentalIntro>());
        QVERIFY(Forms::find(QStringLiteral("Main"))->isVisible());
        // Opening it again starts the animation from the start with an empty name.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MentalIntro* again = Forms::show<MentalIntro>();
        QCOMPARE(again->ScrollCount, QStringLiteral("0"));
        QCOMPARE(visiblePage(again), 0);
    }

private:
    RecordingSoundBackend recorder;
};

QTEST_MAIN(MentalIntroTest)
#include "MentalIntro_test.moc"
