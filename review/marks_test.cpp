// The end of a level and the marks report: what it shows, where, and how it prints.
#include "app/FormsTesting.h"
#include "app/AppFolder.h"
#include "app/Clock.h"
#include "app/Forms.h"
#include "app/Printing.h"
#include "app/SoundCue.h"
#include "review/LVLMarks.h"
#include "review/MentalReview2.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime FirstEnd(QDate(2026, 12, 10), QTime(15, 45, 12));
const QDateTime LaterEnd(QDate(2026, 12, 11), QTime(9, 5, 0));

// A practice window whose last question has just been judged: `total` questions, the n-th asked
// being "n +  1 " (answered right except every fifth, the fourth left blank).
MentalReview2* finishedLevel(int total, const QString& name, const QString& addition, const QString& division)
{
    auto* practice = Forms::show<MentalReview2>();
    practice->QList.clear();
    int right = 0;
    for (int n = 1; n <= total; ++n) {
        const QString answer = QString::number(n + 1);
        const bool correct = n % 5 != 0;
        practice->QuestionList << QStringLiteral("%1 +  1 ").arg(n);
        practice->CorrectAns << answer;
        practice->AnswerList << (n == 4 ? QStringLiteral("No Answer") : correct ? answer : QStringLiteral("0"));
        practice->TimeList << QString::number(n % 7);
        practice->CorrectList << (correct && n != 4 ? QStringLiteral("Correct") : QStringLiteral("Incorrect"));
        right += correct && n != 4;
    }
    practice->TotalCountLBL->setText(QString::number(total));
    practice->TotalCountLBL2->setText(QString::number(total));
    practice->CorrectCountLBL->setText(QString::number(right));
    practice->IncorrectCountLBL->setText(QString::number(total - right));
    practice->Time->setText(QStringLiteral("412"));
    practice->StudentNameTXT->setText(name);
    practice->AdditionLBL = addition;
    practice->DivisionLBL = division;
    practice->LvlBanner[2]->show();
    return practice;
}

} // namespace

class MarksTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    RecordingSoundBackend recorder;
    QDateTime now = FirstEnd;

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        AppFolder::setPath(folder.path());
        Sound::setBackend(&recorder);
        Clock::setSource([this] { return now; });
    }
    void init()
    {
        recorder.cues.clear();
        now = FirstEnd;
    }
    void cleanup()
    {
        Printing::setPrinterFactory({});
        FormsTesting::closeAll();
    }
    void cleanupTestCase()
    {
        Sound::setBackend(nullptr);
        Clock::setSource({});
    }

    void layout_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        QTest::newRow("name") << "StudentNamELBL" << QRect(8, 8, 337, 17);
        QTest::newRow("date") << "DateLBL" << QRect(8, 32, 337, 17);
        QTest::newRow("time taken") << "MyTime" << QRect(672, 8, 57, 17);
        QTest::newRow("score") << "ScoreLBL" << QRect(672, 32, 33, 17);
        QTest::newRow("total") << "TotalLBL" << QRect(784, 32, 41, 17);
        QTest::newRow("row 1 question") << "Q1" << QRect(8, 128, 81, 17);
        QTest::newRow("row 1 verdict") << "Correct1" << QRect(264, 128, 81, 17);
        QTest::newRow("row 1 seconds") << "Time1" << QRect(352, 128, 57, 17);
        QTest::newRow("row 20 question") << "Q20" << QRect(8, 507, 81, 17);
        QTest::newRow("row 21 question") << "Q21" << QRect(424, 128, 81, 17);
        QTest::newRow("row 21 answer") << "Ans21" << QRect(512, 128, 81, 17);
        QTest::newRow("row 40 seconds") << "Time40" << QRect(776, 507, 57, 17);
        QTest::newRow("save") << "SaveResults" << QRect(840, 8, 126, 88);
        QTest::newRow("print") << "PrintResults" << QRect(840, 104, 126, 88);
        QTest::newRow("exit") << "ExitButton" << QRect(840, 440, 126, 88);
    }
    void layout()
    {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        LVLMarks* marks = Forms::show<LVLMarks>();
        QCOMPARE(marks->windowTitle(), QStringLiteral("Here are your results"));
        QCOMPARE(marks->width(), 973);
        auto* widget = marks->findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
    }

    void rowsKeepTheirPlaceInEveryBlock()
    {
        LVLMarks* marks = Forms::show<LVLMarks>();
        for (int k = 1; k <= 20; ++k) {
            const int twipsTop = marks->Q[k]->y() * 15;
            QVERIFY2(qAbs(twipsTop - (1920 + 300 * (k - 1))) <= 60, qPrintable(QString::number(k)));
            QCOMPARE(marks->Q[k + 20]->y(), marks->Q[k]->y());
            for (QLabel* cell : {marks->Ans[k], marks->Cans[k], marks->Correct[k], marks->Time[k]})
                QCOMPARE(cell->y(), marks->Q[k]->y());
        }
    }

    void loadStepPlaysAndDates()
    {
        LVLMarks* marks = Forms::show<LVLMarks>();
        QCOMPARE(recorder.cues, QStringList{QStringLiteral("\\ENDLVL.WAV")});
        QCOMPARE(marks->DateLBL->text(), QStringLiteral("Date: Thursday December 10 2026"));
        QCOMPARE(marks->Date2LBL->text(), QStringLiteral("Thursday December 10 2026"));
        QCOMPARE(marks->TimeLBL2->text(), QStringLiteral("03-45 PM"));
        for (QWidget* hidden : {static_cast<QWidget*>(marks->Facts[0]), static_cast<QWidget*>(marks->Facts[3]),
                                static_cast<QWidget*>(marks->TimeLBL2), static_cast<QWidget*>(marks->Date2LBL),
                                static_cast<QWidget*>(marks->StudentNameTXT)})
            QVERIFY(hidden->isHidden());
    }

    void endOfLevelFillsTheLevelsOwnRows_data()
    {
        QTest::addColumn<int>("total");
        QTest::newRow("38 questions") << 38;
        QTest::newRow("39 questions") << 39;
        QTest::newRow("40 questions") << 40;
    }
    void endOfLevelFillsTheLevelsOwnRows()
    {
        QFETCH(int, total);
        QPointer<MentalReview2> practice = finishedLevel(total, QStringLiteral("Anna"), QStringLiteral("YES"),
                                                         QStringLiteral("YES"));
        practice->EndLVL();
        QVERIFY(!Forms::isOpen(practice.data()));
        auto* marks = static_cast<LVLMarks*>(Forms::find(QStringLiteral("LVLMarks")));
        QVERIFY(marks);
        QVERIFY(marks->isVisible());

        for (int n = 1; n <= LVLMarks::Rows; ++n) {
            for (QLabel* cell : {marks->Q[n], marks->Ans[n], marks->Cans[n], marks->Correct[n], marks->Time[n]})
                QCOMPARE(cell->isHidden(), n > total);
        }
        // In the order asked: 1 … 20 down the left block, 21 on down the right.
        QCOMPARE(marks->Q[1]->text(), QStringLiteral("1 +  1 "));
        QCOMPARE(marks->Q[20]->text(), QStringLiteral("20 +  1 "));
        QCOMPARE(marks->Q[21]->text(), QStringLiteral("21 +  1 "));
        QCOMPARE(marks->Q[total]->text(), QStringLiteral("%1 +  1 ").arg(total));
        QCOMPARE(marks->Ans[4]->text(), QStringLiteral("No Answer"));
        QCOMPARE(marks->Correct[4]->text(), QStringLiteral("Incorrect"));
        QCOMPARE(marks->Ans[5]->text(), QStringLiteral("0"));
        QCOMPARE(marks->Cans[5]->text(), QStringLiteral("6"));
        QCOMPARE(marks->Correct[6]->text(), QStringLiteral("Correct"));
        QCOMPARE(marks->Time[6]->text(), QStringLiteral("6"));
        QCOMPARE(marks->TotalLBL->text(), QString::number(total));
        QCOMPARE(marks->MyTime->text(), QStringLiteral("412"));
        QCOMPARE(marks->StudentNamELBL->text(), QStringLiteral("Student Name: Anna"));
        QCOMPARE(marks->StudentNameTXT->text(), QStringLiteral("Anna"));
        // Addition and division: the middle two words empty, each word with its own blanks.
        QCOMPARE(marks->Facts[0]->text(), QStringLiteral(" Addition "));
        QCOMPARE(marks->Facts[1]->text(), QString());
        QCOMPARE(marks->Facts[2]->text(), QString());
        QCOMPARE(marks->Facts[3]->text(), QStringLiteral(" Division "));
        QVERIFY(marks->Facts[0]->isHidden());
    }

    void scoreRowReadsAsTheLevelEnded()
    {
        finishedLevel(39, QStringLiteral("Anna"), QStringLiteral("YES"), QStringLiteral("No Division"))->EndLVL();
        auto* marks = static_cast<LVLMarks*>(Forms::find(QStringLiteral("LVLMarks")));
        // 39 questions: every fifth wrong (7) and the blank fourth.
        QCOMPARE(marks->ScoreLBL->text(), QStringLiteral("31"));
        QCOMPARE(marks->Label3->text(), QStringLiteral("OUT OF"));
        QCOMPARE(marks->Facts[3]->text(), QString());
    }

    void questionsLeftMeanNoReport()
    {
        MentalReview2* practice = finishedLevel(39, QStringLiteral("Anna"), QStringLiteral("YES"), QString());
        practice->QList << QStringLiteral("3  x  2 = 6");
        practice->EndLVL();
        QVERIFY(Forms::isOpen(practice));
        QVERIFY(!Forms::find(QStringLiteral("LVLMarks")));
        QVERIFY(recorder.cues.isEmpty());
    }

    void aNewLevelGetsAFreshReport()
    {
        finishedLevel(39, QStringLiteral("Anna"), QStringLiteral("YES"), QString())->EndLVL();
        QPointer<LVLMarks> first = static_cast<LVLMarks*>(Forms::find(QStringLiteral("LVLMarks")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        now = LaterEnd;
        finishedLevel(40, QStringLiteral("Ben"), QStringLiteral("YES"), QStringLiteral("YES"))->EndLVL();
        auto* second = static_cast<LVLMarks*>(Forms::find(QStringLiteral("LVLMarks")));
        QVERIFY(second);
        QVERIFY(second != first.data());
        QVERIFY(first.isNull() || !Forms::isOpen(first.data()));
        QCOMPARE(Forms::openForms().count(), 1);
        QCOMPARE(second->TimeLBL2->text(), QStringLiteral("09-05 AM"));
        QCOMPARE(second->DateLBL->text(), QStringLiteral("Date: Friday December 11 2026"));
        QCOMPARE(second->StudentNameTXT->text(), QStringLiteral("Ben"));
        QCOMPARE(recorder.cues.count(QStringLiteral("\\ENDLVL.WAV")), 2);
    }

    // The page leaves out the button column and the hidden fields; the window comes back as it was.
    void printedPage()
    {
        finishedLevel(40, QStringLiteral("Anna"), QStringLiteral("YES"), QString())->EndLVL();
        auto* marks = static_cast<LVLMarks*>(Forms::find(QStringLiteral("LVLMarks")));
        const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
        QSize printedSize;
        QStringList shownWhilePrinting;
        QImage page;
        Printing::setPrinterFactory([&] {
            printedSize = marks->size();
            for (QWidget* w : marks->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!w->isHidden() && w->geometry().intersects(marks->rect()) && qobject_cast<QAbstractButton*>(w))
                    shownWhilePrinting << w->objectName();
            page = marks->grab().toImage();
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        });
        marks->PrintResults_Click();

        QCOMPARE(printedSize.width(), 838); // 12570 twips: ends before the buttons at 12600
        QCOMPARE(shownWhilePrinting, QStringList());
        QCOMPARE(page.width(), 838);
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        const QByteArray bytes = printed.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>"), 1);

        QCOMPARE(marks->width(), 973);
        QVERIFY(!marks->SaveResults->isHidden());
        QVERIFY(!marks->PrintResults->isHidden());
        QVERIFY(!marks->ExitButton->isHidden());
        QVERIFY(marks->StudentNameTXT->isHidden());
        QVERIFY(marks->Date2LBL->isHidden());
        QCOMPARE(Forms::openForms().count(), 1); // printed, so no notice
    }

    void exitClosesOnlyTheReport()
    {
        auto* marks = Forms::show<LVLMarks>();
        auto* other = Forms::show<MentalReview2>();
        marks->ExitButton_Click();
        QVERIFY(!Forms::isOpen(marks));
        QVERIFY(Forms::isOpen(other));
    }
};

QTEST_MAIN(MarksTest)
#include "marks_test.moc"
