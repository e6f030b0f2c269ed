#include "test/MentalIntro.h"

#include "app/Forms.h"
#include "app/Main.h"
#include "app/Twips.h"
#include "app/notices/NoName.h"
#include "test/MentalTest.h"

#include <QLineEdit>
#include <QTimer>

#include <map>
#include <vector>

namespace {

enum Marker { PurpleBar, GreenBar, YellowBar, RedBar };

// One change the animation makes on a tick.
struct Step {
    enum What { Page, ShowMarker, HideMarker, ShowTime60, Stop } what;
    int value = 0;          // page number or marker
    int left = 0, top = 0;  // where a shown marker goes
};

using Schedule = std::map<int, std::vector<Step>>;

void blink(Schedule& s, Marker m, int left, int top, std::initializer_list<int> shown,
           std::initializer_list<int> hidden)
{
    for (int tick : shown)
        s[tick].push_back({Step::ShowMarker, m, left, top});
    for (int tick : hidden)
        s[tick].push_back({Step::HideMarker, m});
}

// A sweep: the marker shows at each Left in turn, one tick apiece, from `firstTick` on.
void slide(Schedule& s, Marker m, int firstTick, int top, const std::vector<int>& lefts)
{
    int tick = firstTick;
    for (int left : lefts)
        s[tick++].push_back({Step::ShowMarker, m, left, top});
}

// `count` Lefts starting at `from`, `by` apart.
std::vector<int> run(int from, int by, int count)
{
    std::vector<int> lefts;
    for (int i = 0; i < count; ++i)
        lefts.push_back(from + by * i);
    return lefts;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Each marker sweeps the line that the next page adds, so the line appears as the sweep ends.
const Schedule& schedule()
{
    static const Schedule table = [] {
        Schedule s;
        s[1].push_back({Step::Page, 1});

        blink(s, PurpleBar, 380, 1150, {10, 20, 30}, {15, 25});
        slide(s, PurpleBar, 31, 1150, run(380, 400, 15) + run(6480, 500, 6));  // 31 … 51
        s[52].push_back({Step::Page, 2});
        s[52].push_back({Step::HideMarker, PurpleBar});

        blink(s, GreenBar, 360, 1800, {62, 72, 83, 93}, {67, 77, 88});
        slide(s, GreenBar, 94, 1800, std::vector<int>{760, 1160} + run(1660, 400, 21));        // 94 … 116
        slide(s, GreenBar, 117, 2350, std::vector<int>{360, 760, 1160, 1560, 2060, 2460} + run(3260, 400, 9));  // 117 … 131
        s[132].push_back({Step::Page, 3});
        s[132].push_back({Step::HideMarker, GreenBar});
        s[133].push_back({Step::ShowTime60});

        blink(s, YellowBar, 360, 3000, {134, 154, 174, 184, 194}, {144, 164, 179, 189});
        slide(s, YellowBar, 195, 3000, run(760, 400, 9) + run(3960, 400, 14));  // 195 … 217
        slide(s, YellowBar, 218, 3600, run(360, 400, 10));                      // 218 … 227
        s[228].push_back({Step::Page, 4});
        s[228].push_back({Step::HideMarker, YellowBar});

        blink(s, RedBar, 360, 4320, {241, 251}, {236, 246, 256});
        slide(s, RedBar, 261, 4320, run(3560, 400, 16));  // 261 … 276
        slide(s, RedBar, 277, 4800, run(360, 400, 13));   // 277 … 289
        s[290].push_back({Step::Page, 5});
        s[290].push_back({Step::HideMarker, RedBar});
        s[290].push_back({Step::Stop});
        return s;
    }();
    return table;
}

} // namespace

MentalIntro::MentalIntro()
    : Form(Kind, QStringLiteral("Welcome To The Grade 5 Practice Assessment - Radezo Ruda"), {696, 487},
           QStringLiteral("test/test_background"))
{
    setAccessibleDescription(QStringLiteral("How This Test Works"));
    static const char* const pageWords[] = {
        "",
        "How This Test Works:",
        "How This Test Works: - You will be given 15 questions.",
        "How This Test Works: - You will be given 15 questions. - You will only have 1 minute (60 seconds) "
        "to answer ALL of the questions.",
        "How This Test Works: - You will be given 15 questions. - You will only have 1 minute (60 seconds) "
        "to answer ALL of the questions. - Please answer each question in the box / line provided.",
        "How This Test Works: - You will be given 15 questions. - You will only have 1 minute (60 seconds) "
        "to answer ALL of the questions. - Please answer each question in the box / line provided. "
        "Hint: Please answer the questions you can do easily first.",
    };
    // Created first so that every other control lies over the page.
    for (int n = 1; n <= 5; ++n) {
        IMG[n] = new Picture(this, QStringLiteral("IMG%1").arg(n), QStringLiteral("test/intro_page%1").arg(n),
                             {696, 487}, QString::fromLatin1(pageWords[n]));
        IMG[n]->move(0, 0);
    }
    auto marker = [this](const char* name, const char* picture) {
        auto* bar = new Picture(this, QString::fromLatin1(name), QString::fromLatin1(picture), {31, 45});
        bar->setAttribute(Qt::WA_TransparentForMouseEvents);
        return bar;
    };
    Purple = marker("Purple", "test/marker_purple");
    Green = marker("Green", "test/marker_green");
    Yellow = marker("Yellow", "test/marker_yellow");
    Red = marker("Red", "test/marker_red");

    Time60 = new Picture(this, QStringLiteral("Time60"), QStringLiteral("test/time60"), {128, 96},
                         QStringLiteral("60 seconds"));
    Time60->move(twips::pos(8280, 120));
    EnterName = new Picture(this, QStringLiteral("EnterName"), QStringLiteral("test/enter_name"), {520, 150},
                            QStringLiteral("Please enter your name. OR"));
    EnterName->move(twips::pos(1320, 1560));

    StudentNameTXT = new QLineEdit(this);
    StudentNameTXT->setObjectName(QStringLiteral("StudentNameTXT"));
    StudentNameTXT->setAccessibleName(QStringLiteral("Your name"));
    StudentNameTXT->setText(QStringLiteral("Student Name"));
    StudentNameTXT->setGeometry(twips::rect(3000, 2400, 4800, 720));

    ClassPlayButton = addButton("ClassPlayButton", QStringLiteral("test/class_play_button"), {420, 80},
                                QStringLiteral("Play As A Class"), 2040, 3840, &MentalIntro::ClassPlayButton_Click);
    GoBackButton = addButton("GoBackButton", QStringLiteral("notices/go_back_button"), {126, 88},
                             QStringLiteral("Go Back"), 6360, 5880, &MentalIntro::GoBackButton_Click);
    NextButton = addButton("NextButton", QStringLiteral("test/next_button"), {126, 88}, QStringLiteral("Next"),
                           8400, 5880, &MentalIntro::NextButton_Click);
    STARTButton = addButton("STARTButton", QStringLiteral("test/start_test_button"), {126, 88},
                            QStringLiteral("Start Test"), 8400, 5880, &MentalIntro::STARTButton_Click);

    ScrollTime = makeTimer("ScrollTime", 50);
    connect(ScrollTime, &QTimer::timeout, this, &MentalIntro::ScrollTime_Timer);
}

void MentalIntro::Form_Load()
{
    for (QWidget* w : {static_cast<QWidget*>(Purple), static_cast<QWidget*>(Green), static_cast<QWidget*>(Yellow),
                       static_cast<QWidget*>(Red), static_cast<QWidget*>(EnterName), static_cast<QWidget*>(Time60),
                       static_cast<QWidget*>(STARTButton), static_cast<QWidget*>(ClassPlayButton)})
        w->hide();
    for (int n = 1; n <= 5; ++n)
        IMG[n]->hide();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(26);
    StudentNameTXT->setFont(font);
    StudentNameTXT->hide();
    StudentNameTXT->clear();
    ScrollCount = QStringLiteral("0");
    ScrollTime->start();
}

void MentalIntro::showPage(int page)
{
    for (int n = 1; n <= 5; ++n)
        if (n != page)
            IMG[n]->hide();
    IMG[page]->show();
}

void MentalIntro::ScrollTime_Timer()
{
    const int tick = ScrollCount.toInt() + 1;
    ScrollCount = QString::number(tick);
    const auto found = schedule().find(tick);
    if (found == schedule().end())
        return;
    Picture* const markers[] = {Purple, Green, Yellow, Red};
    for (const Step& step : found->second) {
        switch (step.what) {
        case Step::Page:
            showPage(step.value);
            break;
        case Step::ShowMarker:
            markers[step.value]->move(twips::pos(step.left, step.top));
            markers[step.value]->show();
            break;
        case Step::HideMarker:
            markers[step.value]->hide();
            break;
        case Step::ShowTime60:
            Time60->show();
            break;
        case Step::Stop:
            ScrollTime->stop();
            break;
        }
    }
}

void MentalIntro::NextButton_Click()
{
    // A marker or the 60 plate showing at this moment stays where it is.
    ScrollTime->stop();
    showPage(1);
    EnterName->show();
    StudentNameTXT->show();
    ClassPlayButton->show();
    NextButton->hide();
    STARTButton->show();
    StudentNameTXT->setFocus();
}

void MentalIntro::STARTButton_Click()
{
    // Only an empty box is refused; blanks or the words "Student Name" are a name like any other.
    const QString name = StudentNameTXT->text();
    if (name.isEmpty()) {
        Forms::show<NoName>();
        return;
    }
    auto* test = Forms::show<MentalTest>();
    test->StudentNameTXT = name;
    test->setWindowTitle(QStringLiteral("Radezo Ruda Test - Timed Test 60 Seconds  --") + name);
    Forms::close(this);
}

void MentalIntro::ClassPlayButton_Click()
{
    StudentNameTXT->setText(QStringLiteral("Class"));
    STARTButton_Click();
}

void MentalIntro::GoBackButton_Click()
{
    Forms::close(this);
    Forms::show<Main>();
}
