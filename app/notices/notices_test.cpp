// The notices: their places, their sounds and what their buttons do.
#include "app/FormsTesting.h"
#include "app/Forms.h"
#include "app/Main.h"
#include "app/SoundCue.h"
#include "app/WebPage.h"
#include "app/notices/About.h"
#include "app/notices/AreYouSure.h"
#include "app/notices/NoFacts.h"
#include "app/notices/NoName.h"
#include "app/notices/Opps.h"
#include "app/notices/SaveComplete.h"

#include <QTest>

class NoticesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Sound::setBackend(&recorder); recorder.cues.clear(); }
    void cleanup()
    {
        FormsTesting::closeAll();
        Sound::setBackend(nullptr);
    }

    void layouts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Opps") << "Opps" << "Whoops" << QSize(450, 301) << "GoBackButton" << QRect(312, 208, 126, 88);
        QTest::newRow("NoName back") << "NoName" << "No Name Entered" << QSize(517, 382) << "GoBackButton" << QRect(32, 272, 448, 88);
        QTest::newRow("NoName class") << "NoName" << "No Name Entered" << QSize(517, 382) << "ClassPlayButton" << QRect(32, 176, 448, 88);
        QTest::newRow("SaveComplete") << "SaveComplete" << "Results Saved" << QSize(517, 382) << "OkButton" << QRect(176, 304, 155, 60);
        QTest::newRow("NoFacts") << "NoFacts" << "Please Choose The Math Facts" << QSize(548, 354) << "OkButton" << QRect(200, 264, 155, 60);
        QTest::newRow("AreYouSure yes") << "AreYouSure" << "Are You Sure You Want To Quit?" << QSize(480, 284) << "YesButton" << QRect(280, 176, 126, 88);
        QTest::newRow("AreYouSure no") << "AreYouSure" << "Are You Sure You Want To Quit?" << QSize(480, 284) << "NoButton" << QRect(72, 176, 126, 88);
        QTest::newRow("About OK") << "About" << "About Kelbo Radezo Ruda Brightway" << QSize(670, 460) << "OkButton" << QRect(504, 384, 155, 60);
        QTest::newRow("About link") << "About" << "About Kelbo Radezo Ruda Brightway" << QSize(670, 460) << "WebsiteLink" << QRect(112, 312, 427, 52);
    }
    void layouts()
    {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QString, button);
        QFETCH(QRect, place);
        Form* form = showByKind(kind);
        QCOMPARE(form->windowTitle(), caption);
        QCOMPARE(form->size(), client);
        auto* pressed = form->findChild<PictureButton*>(button);
        QVERIFY(pressed);
        QCOMPARE(pressed->geometry(), place);
    }

    void singleButtonNoticesCloseThemselves()
    {
        Forms::show<Opps>()->GoBackButton_Click();
        Forms::show<SaveComplete>()->OkButton_Click();
        Forms::show<About>()->OkButton_Click();
        Forms::show<NoName>()->GoBackButton_Click();
        QVERIFY(Forms::openForms().isEmpty());
    }

    void showingAnOpenNoticeOnlyBringsItToTheFront()
    {
        Opps* first = Forms::show<Opps>();
        QCOMPARE(Forms::show<Opps>(), first);
        QCOMPARE(Forms::show<Opps>(), first);
        QCOMPARE(Forms::openForms().size(), 1);
    }

    void noFactsPlaysOpenThenClose()
    {
        NoFacts* notice = Forms::show<NoFacts>();
        QCOMPARE(recorder.cues, QStringList{QStringLiteral("\\OPEN.WAV")});
        notice->OkButton_Click();
        QCOMPARE(recorder.cues, (QStringList{QStringLiteral("\\OPEN.WAV"), QStringLiteral("\\CLOSE.WAV")}));
        QVERIFY(!Forms::isOpen<NoFacts>());
    }

    void areYouSureYesLeavesExactlyOneFreshMainMenu()
    {
        Main* oldMain = Forms::show<Main>();
        QPointer<Main> watch(oldMain);
        Forms::show<About>();
        Forms::show<Opps>();
        AreYouSure* sure = Forms::show<AreYouSure>();
        QCOMPARE(recorder.cues, QStringList{QStringLiteral("\\Pop.WAV")});
        sure->YesButton_Click();
        const QList<Form*> open = Forms::openForms();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first()->kind(), QStringLiteral("Main"));
        QVERIFY(open.first()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
    }

    void areYouSureNoLeavesEverythingElse()
    {
        Forms::show<Main>();
        Forms::show<About>();
        Forms::show<AreYouSure>()->NoButton_Click();
        QCOMPARE(Forms::openForms().size(), 2);
        QVERIFY(!Forms::isOpen<AreYouSure>());
    }

    void websiteLinkOpensTheMakersPageAndKeepsAbout()
    {
        QList<QUrl> opened;
        WebPage::setOpener([&opened](const QUrl& url) { opened << url; });
        Forms::show<About>()->WebsiteLink_Click();
        WebPage::setOpener({});
        QCOMPARE(opened, QList<QUrl>{QUrl(QString::fromLatin1(WebPage::MakerPage))});
        QVERIFY(Forms::isOpen<About>());
    }

private:
    Form* showByKind(const QString& kind)
    {
        if (kind == QLatin1String("Opps")) return Forms::show<Opps>();
        if (kind == QLatin1String("NoName")) return Forms::show<NoName>();
        if (kind == QLatin1String("SaveComplete")) return Forms::show<SaveComplete>();
        if (kind == QLatin1String("NoFacts")) return Forms::show<NoFacts>();
        if (kind == QLatin1String("AreYouSure")) return Forms::show<AreYouSure>();
        return Forms::show<About>();
    }
    RecordingSoundBackend recorder;
};

QTEST_MAIN(NoticesTest)
#include "notices_test.moc"
