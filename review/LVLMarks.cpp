#include "review/LVLMarks.h"

#include "app/Clock.h"
#include "app/DateTexts.h"
#include "app/Forms.h"
#include "app/Printing.h"
#include "app/ResultsSaving.h"
#include "app/SoundCue.h"
#include "app/Twips.h"

#include <QPainter>

namespace {

constexpr int RowsPerBlock = 20;
constexpr int RowHeight = 255;
constexpr int CellWidth = 1215;
constexpr int TimeWidth = 855;
// Lefts of the five cells of a row: question, answer, right answer, verdict, seconds.
constexpr int LeftBlock[5] = {120, 1440, 2640, 3960, 5280};
constexpr int RightBlock[5] = {6360, 7680, 9000, 10320, 11640};

// Rows 1 and 21 at 1920, rows 20 and 40 at 7605, evenly between.
int rowTop(int placeInBlock)
{
    return 1920 + (placeInBlock - 1) * (7605 - 1920) / (RowsPerBlock - 1);
}

// Where the ruled lines go, in twips.
constexpr int HeaderRule = 840;
constexpr int HeadingRule = 1860;
constexpr int BlockRule = 6270;
constexpr int ColumnRules[8] = {1400, 2600, 3800, 5240, 7520, 8960, 10160, 11600};

QFont reportFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

LVLMarks::LVLMarks()
    : Form(Kind, QStringLiteral("Here are your results"), twips::size(WidthTwips, HeightTwips))
{
    StudentNamELBL = addLabel("StudentNamELBL", QStringLiteral("Student Name: "), 120, 120, 5055, 255);
    DateLBL = addLabel("DateLBL", QStringLiteral("Date: "), 120, 480, 5055, 255);
    Label1[1] = addLabel("Label1_1", QStringLiteral("Time To Complete:"), 7800, 120, 2175, 255);
    MyTime = addLabel("MyTime", QStringLiteral("Seconds"), 10080, 120, 855, 255);
    Label1[0] = addLabel("Label1_0", QStringLiteral("Seconds"), 11280, 120, 1095, 255);
    Label1[2] = addLabel("Label1_2", QStringLiteral("Number Correct:"), 7800, 480, 2175, 255);
    ScoreLBL = addLabel("ScoreLBL", QStringLiteral("0"), 10080, 480, 495, 255);
    Label3 = addLabel("Label3", QStringLiteral("OUT OF"), 10680, 480, 975, 255);
    TotalLBL = addLabel("TotalLBL", QStringLiteral("Total"), 11760, 480, 615, 255);
    for (QLabel* header : {StudentNamELBL, DateLBL, Label1[0], Label1[1], Label1[2], MyTime, ScoreLBL, Label3, TotalLBL})
        header->setFont(reportFont(14));
    MyTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ScoreLBL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Headings may take two or three lines: they have the room down to the heading rule.
    auto heading = [this](const char* name, const char* text, int left, int top, int width) {
        QLabel* label = addLabel(name, QString::fromLatin1(text), left, top, width, HeadingRule - 30 - top);
        label->setFont(reportFont(12));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        label->setContentsMargins(4, 0, 2, 2);
        return label;
    };
    TitleLBL[0] = heading("TitleLBL_0", "Question Asked:", 0, 1080, 1380);
    TitleLBL[1] = heading("TitleLBL_1", "Your Answer:", 1440, 1080, 1140);
    Label5 = heading("Label5", "Correct Answer:", 2640, 1080, 1200);
    Label6 = heading("Label6", "Correct Or Incorrect:", 3840, 1080, 1380);
    Label2 = heading("Label2", "Time To Answer", 5400, 960, 840);
    Label29 = heading("Label29", "Question Asked:", 6360, 1080, 1180);
    Label30 = heading("Label30", "Your Answer:", 7560, 1080, 1380);
    Label31 = heading("Label31", "Correct Answer:", 9000, 1080, 1200);
    Label32 = heading("Label32", "Correct Or Incorrect:", 10200, 1080, 1380);
    Label7 = heading("Label7", "Time To Answer", 11690, 960, 860);

    for (int n = 1; n <= Rows; ++n) {
        const int* lefts = n <= RowsPerBlock ? LeftBlock : RightBlock;
        const int top = rowTop(n <= RowsPerBlock ? n : n - RowsPerBlock);
        const QByteArray number = QByteArray::number(n);
        auto cell = [&](const char* prefix, const char* text, int column, int width) {
            QLabel* label = addLabel(QByteArray(prefix + number).constData(), QString::fromLatin1(text), lefts[column],
                                     top, width, RowHeight);
            label->setFont(reportFont(13));
            return label;
        };
        Q[n] = cell("Q", "Question1", 0, CellWidth);
        Ans[n] = cell("Ans", "Question1", 1, CellWidth);
        Cans[n] = cell("Cans", "Question1", 2, CellWidth);
        Correct[n] = cell("Correct", "Question1", 3, CellWidth);
        Time[n] = cell("Time", "Time", 4, TimeWidth);
    }

    SaveResults = addButton("SaveResults", QStringLiteral("shell/save_results_button"), {126, 88},
                            QStringLiteral("Save Results"), 12600, 120, &LVLMarks::SaveResults_Click);
    PrintResults = addButton("PrintResults", QStringLiteral("shell/print_results_button"), {126, 88},
                             QStringLiteral("Print Results"), 12600, 1560, &LVLMarks::PrintResults_Click);
    ExitButton = addButton("ExitButton", QStringLiteral("shell/exit_button"), {126, 88}, QStringLiteral("Exit"), 12600,
                           6600, &LVLMarks::ExitButton_Click);

    // The hand-over fields sit in the button column, beyond the printed width.
    Facts[0] = addLabel("Facts_0", QStringLiteral("Addition"), 12600, 3000, 1890, 255);
    Facts[1] = addLabel("Facts_1", QStringLiteral("Subtraction"), 12600, 3300, 1890, 255);
    Facts[2] = addLabel("Facts_2", QStringLiteral("Multiplication"), 12600, 3600, 1890, 255);
    Facts[3] = addLabel("Facts_3", QStringLiteral("Division"), 12600, 3900, 1890, 255);
    Date2LBL = addLabel("Date2LBL", QString(), 12600, 4200, 1890, 255);
    TimeLBL2 = addLabel("TimeLBL2", QStringLiteral("Time"), 12600, 4500, 1890, 255);
    StudentNameTXT = new QLineEdit(this);
    StudentNameTXT->setObjectName(QStringLiteral("StudentNameTXT"));
    StudentNameTXT->setGeometry(twips::rect(12600, 4800, 1890, 375));
}

QLabel* LVLMarks::addLabel(const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(twips::rect(left, top, width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Every cell shows its text as it is; a name like "<b>" is not markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

void LVLMarks::Form_Load()
{
    SoundCue(QStringLiteral("\\ENDLVL.WAV"));
    for (QLabel* fact : Facts)
        fact->hide();
    TimeLBL2->hide();
    StudentNameTXT->hide();
    Date2LBL->hide();
    // One reading of the clock, so the date and the time cannot straddle midnight.
    const QDateTime now = Clock::now();
    DateLBL->setText(QStringLiteral("Date: ") + dateText(now.date()));
    Date2LBL->setText(dateText(now.date()));
    TimeLBL2->setText(timeText(now.time()));
}

int LVLMarks::rowsForTotal(const QString& total)
{
    bool ok = false;
    const int value = total.toInt(&ok);
    if (!ok || value < 1 || value > Rows || QString::number(value) != total)
        return 0;
    return value;
}

void LVLMarks::showRows(int count)
{
    for (int n = 1; n <= Rows; ++n)
        for (QLabel* cell : {Q[n], Ans[n], Cans[n], Correct[n], Time[n]})
            cell->setVisible(n <= count);
    update();
}

void LVLMarks::fillRows(const QStringList& questions, const QStringList& answers, const QStringList& rightAnswers,
                        const QStringList& verdicts, const QStringList& seconds, int count)
{
    count = qBound(0, count, int(Rows));
    // List by list, as the record lists are kept.
    for (int n = 1; n <= count; ++n)
        Q[n]->setText(questions.value(n - 1));
    for (int n = 1; n <= count; ++n)
        Ans[n]->setText(answers.value(n - 1));
    for (int n = 1; n <= count; ++n)
        Cans[n]->setText(rightAnswers.value(n - 1));
    for (int n = 1; n <= count; ++n)
        Correct[n]->setText(verdicts.value(n - 1));
    for (int n = 1; n <= count; ++n)
        Time[n]->setText(seconds.value(n - 1));
    showRows(count);
}

ReviewResultsFile::Record LVLMarks::record() const
{
    ReviewResultsFile::Record r;
    r.name = StudentNameTXT->text();
    r.dateLine = DateLBL->text();
    r.dateText = Date2LBL->text();
    r.timeText = TimeLBL2->text();
    for (int i = 0; i < 4; ++i)
        r.operations[i] = Facts[i]->text();
    r.timeTaken = MyTime->text();
    r.score = ScoreLBL->text();
    r.total = TotalLBL->text();
    const int count = rowsForTotal(r.total);
    for (int n = 1; n <= count; ++n)
        r.rows.append({Q[n]->text(), Ans[n]->text(), Cans[n]->text(), Time[n]->text(), Correct[n]->text()});
    return r;
}

void LVLMarks::SaveResults_Click()
{
    const QString total = TotalLBL->text();
    if (total == QLatin1String("40"))
        SaveResults40();
    else if (rowsForTotal(total) > 0)
        // A 39-question level, or a shorter one: the 39-question layout with a row per question.
        SaveResults39();
}

void LVLMarks::SaveResults39()
{
    const ReviewResultsFile::Record r = record();
    saveResults(ReviewResultsFile::fileNamePrefix(), r.name, ReviewResultsFile::fileNameSuffix(r),
                ReviewResultsFile::lines(r, ReviewResultsFile::Layout::ThirtyNine));
}

void LVLMarks::SaveResults40()
{
    const ReviewResultsFile::Record r = record();
    saveResults(ReviewResultsFile::fileNamePrefix(), r.name, ReviewResultsFile::fileNameSuffix(r),
                ReviewResultsFile::lines(r, ReviewResultsFile::Layout::Forty));
}

void LVLMarks::PrintResults_Click()
{
    SaveResults->hide();
    PrintResults->hide();
    StudentNameTXT->hide();
    Date2LBL->hide();
    ExitButton->hide();
    setFixedWidth(twips::px(PrintWidthTwips));

    Printing::printWindow(this, ReviewResultsFile::fileNamePrefix() + StudentNameTXT->text());

    // The print may have opened a notice that closed every window; leave a closed one alone.
    if (!Forms::isOpen(this))
        return;
    setFixedWidth(twips::px(WidthTwips));
    SaveResults->show();
    PrintResults->show();
    StudentNameTXT->hide();
    Date2LBL->hide();
    ExitButton->show();
}

void LVLMarks::ExitButton_Click()
{
    Forms::close(this);
}

void LVLMarks::paintEvent(QPaintEvent* event)
{
    Form::paintEvent(event);
    QPainter painter(this);
    const int reportWidth = twips::px(PrintWidthTwips);

    // Every other row lightly banded, so a row reads across without a ruler.
    const int lastRowBottom = twips::px(rowTop(RowsPerBlock) + 300);
    for (int block = 0; block < 2; ++block) {
        const int left = block == 0 ? 0 : twips::px(BlockRule) + 1;
        const int right = block == 0 ? twips::px(BlockRule) - 1 : reportWidth - 2;
        for (int k = 1; k <= RowsPerBlock; ++k) {
            const int n = k + block * RowsPerBlock;
            if (Q[n]->isHidden() || k % 2 == 1)
                continue;
            const int top = twips::px(rowTop(k) - 22);
            painter.fillRect(QRect(QPoint(left, top), QPoint(right, top + twips::px(300) - 1)), QColor(0xEE, 0xF2, 0xF8));
        }
    }

    // Fine rules under each row and between the columns.
    painter.setPen(QPen(QColor(0xB8, 0xBE, 0xC8), 1));
    for (int block = 0; block < 2; ++block) {
        const int left = block == 0 ? 0 : twips::px(BlockRule);
        const int right = block == 0 ? twips::px(BlockRule) : reportWidth;
        for (int k = 1; k <= RowsPerBlock; ++k) {
            if (Q[k + block * RowsPerBlock]->isHidden())
                continue;
            const int y = twips::px(rowTop(k) - 22 + 300);
            painter.drawLine(left, y, right, y);
        }
    }
    for (int x : ColumnRules)
        painter.drawLine(twips::px(x), twips::px(HeaderRule) + 4, twips::px(x), lastRowBottom);

    // Strong rules: under the header, under the headings, between the blocks, round the page.
    painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 2));
    painter.drawLine(0, twips::px(HeaderRule), reportWidth, twips::px(HeaderRule));
    painter.drawLine(0, twips::px(HeadingRule), reportWidth, twips::px(HeadingRule));
    painter.drawLine(twips::px(BlockRule), twips::px(HeaderRule), twips::px(BlockRule), lastRowBottom);
    painter.drawRect(QRect(1, 1, reportWidth - 2, height() - 2));
}
