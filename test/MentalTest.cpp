#include "test/MentalTest.h"

#include "app/Forms.h"
#include "app/SoundCue.h"
#include "app/Twips.h"
#include "app/notices/Opps.h"
#include "test/TestComplete.h"
#include "test/TestResults.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

// Row n's green bar: rows 1 … 8 down the left, 9 … 15 down the right.
QPoint barTwips(int n)
{
    return n <= 8 ? QPoint(240, 1080 + 720 * (n - 1)) : QPoint(7080, 1320 + 720 * (n - 9));
}

QString clockText(int index)
{
    if (index < 60)
        return QString::number(60 - index);
    return index == 60 ? QStringLiteral("00") : QStringLiteral("--");
}

} // namespace

MentalTest::MentalTest()
    : Form(Kind, QStringLiteral("Radezo Ruda Test - Timed Test 60 Seconds "), {837, 516},
           QStringLiteral("test/test_background"))
{
    setAccessibleDescription(QStringLiteral("Timed Test 60 Seconds"));
    QFont questionFont(QStringLiteral("Liberation Sans"));
    questionFont.setBold(true);
    questionFont.setPixelSize(20);
    QFont answerFont(QStringLiteral("Liberation Sans"));
    answerFont.setBold(true);

    for (int n = 1; n <= 15; ++n) {
        const QPoint bar = barTwips(n);
        QBack[n] = new Picture(this, QStringLiteral("Q%1Back").arg(n), QStringLiteral("test/row_bar"), {268, 41},
                               QStringLiteral("Q%1)").arg(n), QStringLiteral("Q%1)").arg(n));
        QBack[n]->move(twips::pos(bar.x(), bar.y()));

        Q[n] = new QLabel(this);
        Q[n]->setObjectName(QStringLiteral("Q%1").arg(n));
        Q[n]->setFont(questionFont);
        Q[n]->setTextFormat(Qt::PlainText);
        Q[n]->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        Q[n]->setGeometry(twips::rect(bar.x() + 900, bar.y() + 90, 1800, 450));

        Ans[n] = new QLineEdit(this);
        Ans[n]->setObjectName(QStringLiteral("Ans%1").arg(n));
        Ans[n]->setAccessibleName(QStringLiteral("Answer %1").arg(n));
        Ans[n]->setFont(answerFont);
        Ans[n]->setAlignment(Qt::AlignCenter);
        // A 22-point answer fills the box; a frame and margins would cut off its figures.
        Ans[n]->setFrame(false);
        Ans[n]->setTextMargins(0, 0, 0, 0);
        Ans[n]->setGeometry(twips::rect(bar.x() + 2760, bar.y() + (n == 1 ? 45 : 0), 1095, 495));

        EraseAnswer[n] = new PictureButton(this, QStringLiteral("EraseAnswer%1").arg(n),
                                           QStringLiteral("test/erase_answer_button"), {74, 41},
                                           QStringLiteral("Erase Answer %1").arg(n));
        EraseAnswer[n]->move(twips::pos(bar.x() + 4080, bar.y()));
        connect(EraseAnswer[n], &QAbstractButton::clicked, this, [this, n] { EraseAnswer_Click(n); });
    }

    GetReady = new Picture(this, QStringLiteral("GetReady"), QStringLiteral("test/get_ready"), {492, 177},
                           QStringLiteral("Relax and Good Luck! Test will begin in.."));
    GetReady->move(twips::pos(2640, 2280));
    auto countdown = [this](const char* name, const QString& digit) {
        auto* picture = new Picture(this, QString::fromLatin1(name), QStringLiteral("test/clock_face"), {137, 78},
                                    digit, digit);
        picture->move(twips::pos(5400, 3600));
        return picture;
    };
    Three = countdown("Three", QStringLiteral("3"));
    Two = countdown("Two", QStringLiteral("2"));
    One = countdown("One", QStringLiteral("1"));
    StartBanner = new Picture(this, QStringLiteral("StartBanner"), QStringLiteral("test/start_banner"), {233, 69},
                              QStringLiteral("START"));
    StartBanner->move(twips::pos(4560, 3720));
    for (int i = 0; i < 62; ++i) {
        const QString text = clockText(i);
        TimeTrack[i] = new Picture(this, QStringLiteral("TimeTrack%1").arg(i), QStringLiteral("test/clock_face"),
                                   {137, 78}, text == QLatin1String("--") ? QStringLiteral("time is up") : text, text);
        TimeTrack[i]->move(twips::pos(10440, 120));
    }
    DoneButton = addButton("DoneButton", QStringLiteral("test/done_button"), {137, 74}, QStringLiteral("I'm Done!"),
                           10320, 6480, &MentalTest::DoneButton_Click);
    EraseAllAnswers = addButton("EraseAllAnswers", QStringLiteral("test/erase_all_button"), {137, 74},
                                QStringLiteral("Erase All Answers"), 8040, 6480, &MentalTest::EraseAllAnswers_Click);

    // Tab goes down the answer boxes in row order.
    for (int n = 1; n < 15; ++n)
        setTabOrder(Ans[n], Ans[n + 1]);

    PopTimer = makeTimer("PopTimer", 25);
    connect(PopTimer, &QTimer::timeout, this, &MentalTest::PopTimer_Timer);
    ScrollTime = makeTimer("ScrollTime", 1000);
    connect(ScrollTime, &QTimer::timeout, this, &MentalTest::ScrollTime_Timer);
}

Picture* MentalTest::clockPicture(const QString& text) const
{
    for (int i = 0; i < 62; ++i)
        if (clockText(i) == text)
            return TimeTrack[i];
    return nullptr;
}

void MentalTest::Form_Load()
{
    for (Picture* clock : TimeTrack)
        clock->hide();
    AnswerSetup();
    ScrollTime->stop();
    PopTimer->start();
    for (QWidget* w : {static_cast<QWidget*>(StartBanner), static_cast<QWidget*>(Three), static_cast<QWidget*>(Two),
                       static_cast<QWidget*>(One), static_cast<QWidget*>(DoneButton),
                       static_cast<QWidget*>(EraseAllAnswers)})
        w->hide();
    setWindowTitle(QStringLiteral("Radezo Ruda Test - Timed Test 60 Seconds "));
}

void MentalTest::AnswerSetup()
{
    GetReady->hide();
    GetReady->move(twips::pos(12600, 0));
    for (int n = 1; n <= 15; ++n) {
        QFont font = Ans[n]->font();
        font.setPointSize(22);
        Ans[n]->setFont(font);
        Ans[n]->clear();
        Ans[n]->setEnabled(false);
        Ans[n]->hide();
        Q[n]->hide();
        QBack[n]->hide();
        EraseAnswer[n]->hide();
    }
}

void MentalTest::DefaultProg()
{
    for (int n = 1; n <= 15; ++n) {
        Q[n]->setText(TimedTest::questions().at(n - 1));
        Q[n]->show();
        Ans[n]->setEnabled(true);
        Ans[n]->show();
    }
}

void MentalTest::PopTimer_Timer()
{
    Poup = QString::number(Poup.toInt() - 1);
    const int left = Poup.toInt();
    // A row every tenth tick: "190" brings row 1, "50" row 15.
    if (left >= 50 && left <= 190 && left % 10 == 0) {
        const int n = (200 - left) / 10;
        QBack[n]->show();
        EraseAnswer[n]->show();
        SoundCue(QStringLiteral("\\POP.WAV"));
    }
    if (Poup == QLatin1String("50")) {
        PopTimer->stop();
        GetReady->move(twips::pos(2640, 2280));
        GetReady->show();
        ScrollTime->start();
    }
}

void MentalTest::ScrollTime_Timer()
{
    Three->hide();
    Two->hide();
    One->hide();
    for (Picture* clock : TimeTrack)
        clock->hide();

    const int count = ScrollCount.toInt();
    if (ScrollCount == QLatin1String("65")) {
        Three->show();
    } else if (ScrollCount == QLatin1String("64")) {
        Two->show();
    } else if (ScrollCount == QLatin1String("63")) {
        One->show();
    } else if (ScrollCount == QLatin1String("62")) {
        StartBanner->move(twips::pos(4560, 3720));
        StartBanner->show();
    } else if (ScrollCount == QLatin1String("61")) {
        StartBanner->move(twips::pos(4560, 0));
        GetReady->hide();
        DefaultProg();
        DoneButton->show();
        EraseAllAnswers->show();
    } else if (count >= 1 && count <= 60) {
        clockPicture(ScrollCount)->show();
        CounterSeconds = QString::number(CounterSeconds.toInt() + 1);
    } else if (ScrollCount == QLatin1String("0")) {
        clockPicture(QStringLiteral("00"))->show();
    } else if (ScrollCount == QLatin1String("-1")) {
        clockPicture(QStringLiteral("--"))->show();
        ScrollTime->stop();
        Finish();
    }
    ScrollCount = QString::number(count - 1);
}

void MentalTest::DoneButton_Click()
{
    // A blank is an answer; only a box with nothing in it at all holds the test up.
    for (int n = 1; n <= 15; ++n) {
        if (Ans[n]->text().isEmpty()) {
            Forms::show<Opps>();
            return;
        }
    }
    Finish();
}

void MentalTest::EraseAllAnswers_Click()
{
    for (int n = 1; n <= 15; ++n)
        Ans[n]->clear();
}

void MentalTest::EraseAnswer_Click(int row)
{
    Ans[row]->clear();
}

void MentalTest::Finish()
{
    if (!Forms::isOpen(this))
        return;
    // A results window still open from an earlier test would otherwise take this test's rows on
    // top of its own: old score counted on, old date and time, the earlier file overwritten.
    Forms::close<TestComplete>();
    auto* results = Forms::show<TestComplete>(); // its load step reads our StudentNameTXT
    for (int n = 1; n <= 15; ++n) {
        results->Q[n]->setText(Q[n]->text());
        results->Ans[n]->setText(Ans[n]->text());
    }
    results->MyTime->setText(CounterSeconds);
    results->StudentNamELBL->setText(QStringLiteral("Student Name: ") + StudentNameTXT);
    results->SeeCorrect();
    for (int n = 1; n <= 15; ++n)
        if (results->Correct[n]->text() == QLatin1String("Correct"))
            results->ScoreLBL->setText(QString::number(results->ScoreLBL->text().toInt() + 1));
    Forms::close(this);
}
