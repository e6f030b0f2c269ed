#include "test/TestComplete.h"

#include "app/Clock.h"
#include "app/DateTexts.h"
#include "app/Forms.h"
#include "app/Printing.h"
#include "app/ResultsSaving.h"
#include "app/Twips.h"
#include "test/MentalTest.h"

#include <QLabel>
#include <QPainter>

namespace {

// Outer width of the window on screen, and the narrower one used while printing so that the
// button strip (from Left 10680) falls outside the page; the frame takes the difference.
constexpr int OuterWidth = 12705;
constexpr int PrintOuterWidth = 10665;
constexpr int ClientWidth = 12615;
constexpr int ClientHeight = 8685;
constexpr int FrameWidth = OuterWidth - ClientWidth;

constexpr int LabelHeight = 360;
constexpr int RowTop = 1560;
constexpr int RowPitch = 480;
constexpr int HeadingTop = 1080;
constexpr int RuleRight = 10560;

int rowTop(int n) { return RowTop + RowPitch * (n - 1); }

} // namespace

int TestComplete::fullWidth() { return twips::px(ClientWidth); }
int TestComplete::printWidth() { return twips::px(PrintOuterWidth - FrameWidth); }

TestComplete::TestComplete()
    : Form(Kind, QStringLiteral("Practice Radezo Ruda Assessment Complete"), twips::size(ClientWidth, ClientHeight))
{
    setAccessibleDescription(QStringLiteral("Test results"));
    StudentNamELBL = addLabel("StudentNamELBL", QStringLiteral("Student Name:"), 120, 120, 5055);
    TimeLBL = addLabel("TimeLBL", QStringLiteral("Time To Complete:"), 5880, 120, 2280);
    MyTime = addLabel("MyTime", QStringLiteral("Seconds"), 8160, 120, 1200);
    Label1 = addLabel("Label1", QStringLiteral("Seconds"), 9360, 120, 1320);
    DateLBL = addLabel("DateLBL", QStringLiteral("Date:"), 120, 480, 5055);
    NumberCorrect = addLabel("NumberCorrect", QStringLiteral("Number Correct:"), 5880, 480, 2280);
    ScoreLBL = addLabel("ScoreLBL", QStringLiteral("0"), 8160, 480, 600);
    Label3 = addLabel("Label3", QStringLiteral("OUT OF"), 8760, 480, 1080);
    TotalLBL = addLabel("TotalLBL", QStringLiteral("15"), 9840, 480, 720);

    Label4 = addLabel("Label4", QStringLiteral("Question Asked:"), 120, HeadingTop, 2160);
    YourAns = addLabel("YourAns", QStringLiteral("Your Answer:"), 2280, HeadingTop, 2040);
    Label5 = addLabel("Label5", QStringLiteral("Correct Answer:"), 4320, HeadingTop, 3120);
    Label6 = addLabel("Label6", QStringLiteral("Correct Or Incorrect:"), 7440, HeadingTop, 3120);

    for (int n = 1; n <= 15; ++n) {
        const QString design = QStringLiteral("Question%1").arg(n);
        const QByteArray q = QStringLiteral("Q%1").arg(n).toLatin1();
        const QByteArray a = QStringLiteral("Ans%1").arg(n).toLatin1();
        const QByteArray c = QStringLiteral("Cans%1").arg(n).toLatin1();
        const QByteArray v = QStringLiteral("Correct%1").arg(n).toLatin1();
        Q[n] = addLabel(q.constData(), design, 120, rowTop(n), 1575);
        Ans[n] = addLabel(a.constData(), design, 2280, rowTop(n), 1575);
        Cans[n] = addLabel(c.constData(), TimedTest::correctAnswers().at(n - 1), 4680, rowTop(n), 1575);
        Correct[n] = addLabel(v.constData(), design, 7920, rowTop(n), 1575);
    }

    auto button = [this](const char* name, const char* picture, const QString& words, int top,
                         void (TestComplete::*handler)()) {
        return addButton(name, QString::fromLatin1(picture), {126, 88}, words, 10680, top, handler);
    };
    SaveResults = button("SaveResults", "shell/save_results_button", QStringLiteral("Save Results"), 120,
                         &TestComplete::SaveResults_Click);
    PrintResults = button("PrintResults", "shell/print_results_button", QStringLiteral("Print Results"), 1560,
                          &TestComplete::PrintResults_Click);
    ExitButton = button("ExitButton", "shell/exit_button", QStringLiteral("Exit"), 7320,
                        &TestComplete::ExitButton_Click);
}

QLabel* TestComplete::addLabel(const char* name, const QString& caption, int left, int top, int width)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    // A pupil's name or answer is shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPointSize(12);
    label->setFont(font);
    label->setGeometry(twips::rect(left, top, width, LabelHeight));
    return label;
}

void TestComplete::Form_Load()
{
    // The test window that is finishing is still open and holds the name.
    if (auto* test = static_cast<MentalTest*>(Forms::find(QString::fromLatin1(MentalTest::Kind))))
        StudentNameTXT = test->StudentNameTXT;
    const QDateTime now = Clock::now();
    const QString date = dateText(now.date());
    DateLBL->setText(QStringLiteral("Date: ") + date);
    Date2LBL = date;
    TimeLBL2 = timeText(now.time());
}

void TestComplete::SeeCorrect()
{
    for (int n = 1; n <= 15; ++n)
        Correct[n]->setText(TimedTest::verdict(Ans[n]->text(), Cans[n]->text()));
}

TimedTest::Results TestComplete::results() const
{
    TimedTest::Results r;
    r.name = StudentNameTXT;
    r.date = Date2LBL;
    r.time = TimeLBL2;
    r.timeTaken = MyTime->text();
    r.score = ScoreLBL->text();
    r.total = TotalLBL->text();
    for (int n = 1; n <= 15; ++n)
        r.rows[n - 1] = {Q[n]->text(), Ans[n]->text(), Cans[n]->text(), Correct[n]->text()};
    return r;
}

void TestComplete::SaveResults_Click()
{
    saveResults(TimedTest::resultsFilePrefix(), StudentNameTXT, TimedTest::resultsFileSuffix(Date2LBL, TimeLBL2),
                TimedTest::resultsLines(results()));
}

void TestComplete::PrintResults_Click()
{
    // The buttons stay off the page: hide them and narrow the window to the part that is printed.
    SaveResults->hide();
    PrintResults->hide();
    ExitButton->hide();
    setFixedWidth(printWidth());
    Printing::printWindow(this, TimedTest::resultsFilePrefix() + StudentNameTXT);
    SaveResults->show();
    PrintResults->show();
    ExitButton->show();
    setFixedWidth(fullWidth());
}

void TestComplete::ExitButton_Click()
{
    Forms::close(this);
}

void TestComplete::paintEvent(QPaintEvent* event)
{
    Form::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 2));
    const int left = twips::px(60);
    const int right = twips::px(RuleRight);
    auto rule = [&](int topTwips) { painter.drawLine(left, twips::px(topTwips), right, twips::px(topTwips)); };
    // Heavier lines frame the header and the column headings; light ones part the rows.
    rule(900);
    rule(HeadingTop + LabelHeight + 60);
    painter.setPen(QPen(QColor(0x99, 0x99, 0x99), 1));
    for (int n = 1; n <= 15; ++n)
        rule(rowTop(n) + LabelHeight + 60);
}
