// The window operations, the main menu, the sound cues and printing.
#include "app/FormsTesting.h"
#include "app/AppFolder.h"
#include "app/Clock.h"
#include "app/Forms.h"
#include "app/Main.h"
#include "app/Printing.h"
#include "app/ResultsSaving.h"
#include "app/SoundCue.h"
#include "app/notices/About.h"
#include "app/notices/PrintFailed.h"
#include "app/notices/SaveComplete.h"
#include "app/notices/SaveFailed.h"
#include "app/notices/PrintedToFile.h"
#include "review/MentalReview1.h"
#include "test/MentalIntro.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QResource>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A window kind of the tests' own that counts its load handler runs.
class Probe : public Form {
public:
    static constexpr const char* Kind = "Probe";
    Probe() : Form(Kind, QStringLiteral("Probe"), {100, 100}) { timer = makeTimer("Tick", 1000); }
    void Form_Load() override
    {
        ++loads;
        timer->start();
    }
    int loads = 0;
    QTimer* timer;
};



} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { FormsTesting::closeAll(); }

    void touchingCreatesHiddenAndLoadsOnce()
    {
        Probe* probe = Forms::get<Probe>();
        QCOMPARE(probe->loads, 1);
        QVERIFY(!probe->isVisible());
        QCOMPARE(Forms::get<Probe>(), probe);
        QCOMPARE(Forms::show<Probe>(), probe);
        QCOMPARE(probe->loads, 1);
        QVERIFY(probe->isVisible());
    }

    void closeDiscardsStopsTimersAndNextShowStartsAfresh()
    {
        Probe* first = Forms::show<Probe>();
        QVERIFY(first->timer->isActive());
        Forms::close(first);
        QVERIFY(!first->timer->isActive());
        QVERIFY(!Forms::isOpen<Probe>());
        QPointer<Probe> gone(first);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(gone.isNull());
        Probe* second = Forms::show<Probe>();
        QCOMPARE(second->loads, 1);
    }

    void titleBarCloseDiscardsToo()
    {
        Probe* probe = Forms::show<Probe>();
        probe->close();
        QVERIFY(!Forms::isOpen<Probe>());
    }

    void unloadAllFormsKeepsOneKindAndClosesInOpeningOrder()
    {
        Forms::show<Main>();
        Forms::show<Probe>();
        Forms::show<About>();
        auto closedOrder = std::make_shared<QStringList>();
        for (Form* form : Forms::openForms())
            connect(form, &QObject::destroyed, this, [closedOrder, kind = form->kind()] { *closedOrder << kind; });
        Forms::unloadAllForms(Forms::find(QStringLiteral("About")));
        QCOMPARE(FormsTesting::openKinds(), QStringList{QStringLiteral("About")});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(*closedOrder, (QStringList{QStringLiteral("Main"), QStringLiteral("Probe")}));
    }

    void unloadAllFormsWithOnlyTheKeptWindowClosesNothing()
    {
        Main* main = Forms::show<Main>();
        Forms::unloadAllForms(main);
        QCOMPARE(FormsTesting::openKinds(), QStringList{QStringLiteral("Main")});
    }

    void lastWindowClosedEndsTheProgramOnlyWhenNoneIsLeft()
    {
        int ended = 0;
        Forms::setOnLastClosed([&ended] { ++ended; });
        Main* main = Forms::show<Main>();
        Forms::show<About>();
        main->ExitButton_Click();
        QCOMPARE(FormsTesting::openKinds(), QStringList());
        QTRY_COMPARE(ended, 1);

        // A handler that closes the last window and opens the next one does not end the program.
        Probe* probe = Forms::show<Probe>();
        Forms::close(probe);
        Forms::show<Main>();
        QTest::qWait(20);
        QCOMPARE(ended, 1);
        Forms::setOnLastClosed({});
    }

    void mainMenuLayoutAndCaption()
    {
        Main* main = Forms::show<Main>();
        QCOMPARE(main->windowTitle(), QStringLiteral("Kelbo Radezo Ruda Brightway"));
        QCOMPARE(main->size(), QSize(733, 485));
        struct Place { PictureButton* button; QRect rect; QString words; };
        const Place places[] = {
            {main->Start, {80, 104, 425, 88}, QStringLiteral("Start Radezo Ruda Practice Assessment")},
            {main->MentalMathPracticeButton, {80, 200, 425, 88}, {}},
            {main->AboutButton, {80, 296, 425, 88}, QStringLiteral("About This Program")},
            {main->ExitButton, {600, 392, 126, 88}, QStringLiteral("Exit")},
            {main->MainMenuSHOT, {520, 104, 126, 81}, {}},
            {main->ReviewSHOT, {512, 200, 145, 91}, {}},
            {main->AboutSHOT, {544, 304, 92, 76}, {}},
        };
        for (const Place& place : places) {
            QCOMPARE(place.button->geometry(), place.rect);
            if (!place.words.isEmpty())
                QCOMPARE(place.button->accessibleName(), place.words);
        }
    }

    void mainMenuButtonsOpenOneWindowEach_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Start") << "Start" << "MentalIntro" << "Welcome To The Grade 5 Practice Assessment - Radezo Ruda";
        QTest::newRow("test thumbnail") << "MainMenuSHOT" << "MentalIntro" << "Welcome To The Grade 5 Practice Assessment - Radezo Ruda";
        QTest::newRow("practice") << "MentalMathPracticeButton" << "MentalReview1" << "Welcome To Radezo Ruda Review";
        QTest::newRow("review thumbnail") << "ReviewSHOT" << "MentalReview1" << "Welcome To Radezo Ruda Review";
        QTest::newRow("About") << "AboutButton" << "About" << "About Kelbo Radezo Ruda Brightway";
        QTest::newRow("about thumbnail") << "AboutSHOT" << "About" << "About Kelbo Radezo Ruda Brightway";
    }
    void mainMenuButtonsOpenOneWindowEach()
    {
        QFETCH(QString, button);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        Main* main = Forms::show<Main>();
        auto* pressed = main->findChild<PictureButton*>(button);
        QVERIFY(pressed);
        QTest::mouseClick(pressed, Qt::LeftButton);
        Form* opened = Forms::find(kind);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->windowTitle(), caption);
        QTest::mouseClick(pressed, Qt::LeftButton);
        QCOMPARE(FormsTesting::openKinds(), (QStringList{QStringLiteral("Main"), kind}));
        QCOMPARE(Forms::find(kind), opened);
    }

    void picturesDrawnAtBuildTimeMatchTheVectorPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("see-through button") << "shell/exit_button" << QSize(126, 88);
        QTest::newRow("opaque background") << "shell/main_background" << QSize(733, 485);
    }
    void picturesDrawnAtBuildTimeMatchTheVectorPictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFile file(Pictures::path(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QFont::insertSubstitution(QStringLiteral("Liberation Sans, Arial, sans-serif"), QStringLiteral("Liberation Sans"));
        QSvgRenderer renderer(file.readAll());
        QImage expected(size, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.end();

        QVERIFY(QResource(QStringLiteral(":/prerendered/%1.pixels").arg(name)).isValid());
        const QImage shown = Pictures::pixmap(name, size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(shown.size(), size);
        QCOMPARE(shown, expected);
        // Another size is drawn from the vectors.
        QCOMPARE(Pictures::pixmap(name, size * 2, 1.0).size(), size * 2);
    }

    void pictureButtonIsPressedByKeyboard()
    {
        Main* main = Forms::show<Main>();
        QSignalSpy clicks(main->AboutButton, &QAbstractButton::clicked);
        QTest::keyClick(main->AboutButton, Qt::Key_Space);
        QTest::keyClick(main->AboutButton, Qt::Key_Return);
        QCOMPARE(clicks.size(), 2);
        QVERIFY(main->AboutButton->focusPolicy() & Qt::TabFocus);
    }

    void soundCuesMatchFilesWithoutRegardToCase()
    {
        QTemporaryDir dir;
        QFile wav(dir.filePath(QStringLiteral("Pop.wav")));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        wav.close();
        const QString expected = dir.filePath(QStringLiteral("Pop.wav"));
        QCOMPARE(Sound::resolve(dir.path(), QStringLiteral("\\POP.WAV")), expected);
        QCOMPARE(Sound::resolve(dir.path(), QStringLiteral("\\Pop.WAV")), expected);
        QCOMPARE(Sound::resolve(dir.path(), QStringLiteral("\\ENDLVL.WAV")), QString());
        QCOMPARE(Sound::resolve(dir.path(), QStringLiteral("\\..\\Pop.wav")), QString());

        RecordingSoundBackend recorder;
        Sound::setBackend(&recorder);
        AppFolder::setPath(dir.path());
        SoundCue(QStringLiteral("\\POP.WAV"));
        SoundCue(QStringLiteral("\\APPLAUSE.WAV"));
        AppFolder::setPath({});
        Sound::setBackend(nullptr);
        QCOMPARE(recorder.cues, (QStringList{QStringLiteral("\\POP.WAV"), QStringLiteral("\\APPLAUSE.WAV")}));
        QCOMPARE(recorder.files, (QStringList{expected, QString()}));
    }

    void missingOrBrokenSoundFileDoesNotStopAnything()
    {
        // The speakers themselves, with no audio device here: a missing file beeps, a file that is
        // not a WAV fails quietly, and the program goes on.
        QTemporaryDir dir;
        QFile junk(dir.filePath(QStringLiteral("OPEN.WAV")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a wave file");
        junk.close();
        AppFolder::setPath(dir.path());
        for (int i = 0; i < 3; ++i) {
            SoundCue(QStringLiteral("\\OPEN.WAV"));
            SoundCue(QStringLiteral("\\CLOSE.WAV"));
        }
        QTest::qWait(50);
        AppFolder::setPath({});
    }

    void printingDrawsTheClientAreaOnOnePdfPage()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        Printing::setPrinterFactory([pdf] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        });
        Main* main = Forms::show<Main>();
        QElapsedTimer clock;
        clock.start();
        const Printing::Outcome outcome = Printing::printWindow(main, QStringLiteral("Main menu"));
        qInfo("printed the main menu in %lld ms", clock.elapsed());
        Printing::setPrinterFactory({});
        QCOMPARE(outcome.result, Printing::Result::Printed);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
    }

    void withoutAPrinterThePageBecomesAPdfInTheResultsFolder()
    {
        QTemporaryDir dir;
        AppFolder::setPath(dir.path());
        Clock::setSource([] { return QDateTime(QDate(2026, 12, 10), QTime(15, 45)); });
        Printing::setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
        const Printing::Outcome outcome = Printing::printWindow(Forms::show<Main>(), QStringLiteral("Radezo Ruda Test Anna"));
        Printing::setPrinterFactory({});
        Clock::setSource({});
        AppFolder::setPath({});
        QCOMPARE(outcome.result, Printing::Result::SavedAsPdf);
        QCOMPARE(outcome.pdfPath, dir.filePath(QStringLiteral("DovuveDedoVedod/Radezo Ruda Test Anna - Thursday December 10 2026 03-45 PM.pdf")));
        QVERIFY(QFileInfo(outcome.pdfPath).size() > 0);
        auto* notice = static_cast<PrintedToFile*>(Forms::find(QStringLiteral("PrintedToFile")));
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(notice->FileLBL->text(), QFileInfo(outcome.pdfPath).fileName());
    }

    void aPrintThatFailsSaysSo()
    {
        Printing::setPrinterFactory([] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QStringLiteral("/nonexistent-folder/page.pdf"));
            return printer;
        });
        const Printing::Outcome outcome = Printing::printWindow(Forms::show<Main>(), QStringLiteral("x"));
        Printing::setPrinterFactory({});
        QCOMPARE(outcome.result, Printing::Result::Failed);
        QVERIFY(Forms::isOpen<PrintFailed>());
    }

    void savingTellsThePupilWhetherTheFileWasWritten()
    {
        QTemporaryDir dir;
        AppFolder::setPath(dir.path());
        const SaveOutcome saved = saveResults(QStringLiteral("Radezo Ruda Test "), QStringLiteral("A/B"),
                                              QStringLiteral(".txt"), {QStringLiteral("x")});
        QVERIFY(saved.saved);
        QVERIFY(Forms::isOpen<SaveComplete>());
        QVERIFY(!Forms::isOpen<SaveFailed>());
        FormsTesting::closeAll();

        // The results folder cannot be made: a file stands where it should be.
        QVERIFY(QDir(AppFolder::resultsFolder()).removeRecursively());
        QFile blocker(AppFolder::resultsFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const SaveOutcome failed = saveResults(QStringLiteral("Radezo Ruda Test "), QStringLiteral("A"),
                                               QStringLiteral(".txt"), {QStringLiteral("x")});
        AppFolder::setPath({});
        QVERIFY(!failed.saved);
        QVERIFY(Forms::isOpen<SaveFailed>());
        QVERIFY(!Forms::isOpen<SaveComplete>());
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
