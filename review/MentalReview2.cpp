#include "review/MentalReview2.h"

#include "app/Forms.h"
#include "app/SoundCue.h"
#include "app/Twips.h"
#include "app/notices/AreYouSure.h"
#include "review/PracticeRules.h"
#include "review/banks/FactString.h"

#include <QFont>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <initializer_list>

namespace {
const int TargetLeft[6] = {0, 0, 5280, 2880, 7440, 10320};
const int TargetTop[6] = {0, 1560, 960, 4080, 3960, 1560};
// Left of every parked control: outside the client area.
const int ParkedLeft = 13680;

// The question: white figures with a navy rim, so they read at a glance on the light and the
// dark end of the panel alike. Rimmed glyphs are costly to stroke, so each character is drawn
// once and reused; a new question then only places a few ready pictures.
class QuestionLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QFontMetricsF metrics(font());
        const qreal baseline = (height() + metrics.capHeight()) / 2.0;
        QPainter painter(this);
        qreal x = 6;
        for (QChar character : text()) {
            if (!character.isSpace()) {
                const QPixmap& glyph = glyphFor(character, metrics);
                painter.drawPixmap(QPointF(x - Margin, baseline - metrics.ascent() - Margin), glyph);
            }
            x += metrics.horizontalAdvance(character);
        }
    }

private:
    static constexpr int Margin = 6;

    const QPixmap& glyphFor(QChar character, const QFontMetricsF& metrics)
    {
        const qreal dpr = devicePixelRatioF();
        if (m_glyphFont != font() || m_glyphDpr != dpr) {
            m_glyphs.clear();
            m_glyphFont = font();
            m_glyphDpr = dpr;
        }
        auto found = m_glyphs.find(character);
        if (found != m_glyphs.end())
            return *found;
        const QSizeF size(metrics.horizontalAdvance(character) + 2 * Margin, metrics.height() + 2 * Margin);
        QPixmap glyph((size * dpr).toSize());
        glyph.setDevicePixelRatio(dpr);
        glyph.fill(Qt::transparent);
        QPainterPath path;
        path.addText(Margin, Margin + metrics.ascent(), font(), QString(character));
        QPainter painter(&glyph);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x1B, 0x3A, 0x6B), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
        painter.fillPath(path, Qt::white);
        return *m_glyphs.insert(character, glyph);
    }

    QHash<QChar, QPixmap> m_glyphs;
    QFont m_glyphFont;
    qreal m_glyphDpr = 0;
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, QSize sizePx,
                  int pixelSize, const QString& colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                  QLabel* label = nullptr)
{
    if (!label)
        label = new QLabel(parent);
    label->setText(text);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    // A palette rather than a style sheet: labels that change with every answer repaint faster.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    label->setPalette(palette);
    label->setAlignment(alignment);
    label->setGeometry(QRect(twips::pos(left, top), sizePx));
    return label;
}
} // namespace

MentalReview2::MentalReview2()
    : Form(Kind, QStringLiteral("Begin Radezo Ruda Review"), {899, 536}, QStringLiteral("review/practice_background"))
{
    setAccessibleDescription(QStringLiteral("Begin Radezo Ruda Review"));

    // The targets lie lowest: the question panel and the pad come up over them.
    for (int target = 1; target <= 5; ++target) {
        Target[target] = new PictureButton(this, QStringLiteral("Target%1").arg(target), QStringLiteral("review/target"),
                                           {207, 183}, QStringLiteral("Target: click for a question"));
        Target[target]->move(twips::pos(TargetLeft[target], TargetTop[target]));
        connect(Target[target], &QAbstractButton::clicked, this, &MentalReview2::Target_Click);
    }

    for (int level = 1; level <= 5; ++level) {
        const QString words = QStringLiteral("Level %1").arg(level);
        LvlBanner[level] = new Picture(this, QStringLiteral("Lvl%1Banner").arg(level), QStringLiteral("review/level_plate"),
                                       {160, 51}, words, words);
        LvlBanner[level]->move(twips::pos(0, 0));
    }

    const QString white = QStringLiteral("#FFFFFF");
    NumCorrectBanner = new Picture(this, QStringLiteral("NumCorrectBanner"), QStringLiteral("review/num_correct_banner"),
                                   {270, 22}, QStringLiteral("Number of Questions Correct"));
    NumCorrectBanner->move(twips::pos(2640, 120));
    CorrectCountLBL = makeLabel(this, "CorrectCountLBL", QStringLiteral("0"), 3360, 480, {46, 26}, 22, white,
                                Qt::AlignRight | Qt::AlignVCenter);
    Label1 = makeLabel(this, "Label1", QStringLiteral("Out of "), 4080, 480, {78, 26}, 20, white,
                       Qt::AlignHCenter | Qt::AlignVCenter);
    TotalCountLBL = makeLabel(this, "TotalCountLBL", QStringLiteral("0"), 5280, 480, {46, 26}, 22, white);
    NumIncorrectBanner = new Picture(this, QStringLiteral("NumIncorrectBanner"),
                                     QStringLiteral("review/num_incorrect_banner"), {270, 22},
                                     QStringLiteral("Number of Questions Incorrect"));
    NumIncorrectBanner->move(twips::pos(6840, 120));
    IncorrectCountLBL = makeLabel(this, "IncorrectCountLBL", QStringLiteral("0"), 7680, 480, {38, 26}, 22, white,
                                  Qt::AlignRight | Qt::AlignVCenter);
    Label3 = makeLabel(this, "Label3", QStringLiteral("Out of "), 8280, 480, {78, 26}, 20, white,
                       Qt::AlignHCenter | Qt::AlignVCenter);
    TotalCountLBL2 = makeLabel(this, "TotalCountLBL2", QStringLiteral("0"), 9480, 480, {46, 26}, 22, white);
    Image1 = new Picture(this, QStringLiteral("Image1"), QStringLiteral("review/time_plate"), {150, 22},
                         QStringLiteral("Time In Seconds"));
    Image1->move(twips::pos(11040, 0));
    Time = makeLabel(this, "Time", QStringLiteral("0"), 11040, 360, {150, 30}, 24, white, Qt::AlignCenter);

    QBackground = new Picture(this, QStringLiteral("QBackground"), QStringLiteral("review/question_panel"), {539, 283});
    // The panel and the pad's backs come and go with every question: drawn on their slice of the
    // background, they do not make the background and the targets beneath them repaint.
    QBackground->setBackdrop(background());
    QuestionLBL = makeLabel(this, "QuestionLBL", QStringLiteral("Question"), ParkedLeft, 0, {490, 108}, 96, white,
                            Qt::AlignLeft | Qt::AlignVCenter, new QuestionLabel(this));
    QuestionLBL->setAccessibleName(QStringLiteral("Question"));
    HowToDoLBL = makeLabel(this, "HowToDoLBL", QStringLiteral("Click in your answer in the box below."), ParkedLeft, 0,
                           {500, 22}, 18, QStringLiteral("#1B3A6B"));
    // Parked outside the window until a question places them.
    GoBackButton = addButton("GoBackButton", QStringLiteral("review/go_back_button"), {120, 40},
                             QStringLiteral("Go Back"), ParkedLeft, 0, &MentalReview2::GoBackButton_Click);
    EraseAns = addButton("EraseAns", QStringLiteral("review/erase_answer_button"), {120, 44},
                         QStringLiteral("Erase Answer"), ParkedLeft, 0, &MentalReview2::EraseAns_Click);
    CheckAns = addButton("CheckAns", QStringLiteral("review/check_answer_button"), {120, 44},
                         QStringLiteral("Check Answer"), ParkedLeft, 0, &MentalReview2::CheckAns_Click);

    // The answer field is a store the pad writes into; it stays outside the window and the
    // pupil answers on the pad only, so it takes no focus.
    AnsTXT = new QLineEdit(this);
    AnsTXT->setObjectName(QStringLiteral("AnsTXT"));
    AnsTXT->setText(QStringLiteral("Answer"));
    AnsTXT->setFocusPolicy(Qt::NoFocus);
    AnsTXT->setGeometry(QRect(twips::pos(ParkedLeft, 0), QSize(80, 40)));
    connect(AnsTXT, &QLineEdit::textChanged, this, &MentalReview2::AnsTXT_Change);

    StudentNameTXT = new QLineEdit(this);
    StudentNameTXT->setObjectName(QStringLiteral("StudentNameTXT"));
    StudentNameTXT->setText(QStringLiteral("StudentName"));
    StudentNameTXT->setFocusPolicy(Qt::NoFocus);
    StudentNameTXT->setGeometry(QRect(twips::pos(ParkedLeft, 0), QSize(80, 24)));
    StudentNameTXT->hide();

    buildPad();

    CorrectBanner = new Picture(this, QStringLiteral("CorrectBanner"), QStringLiteral("review/correct_banner"),
                                {360, 150}, QStringLiteral("Correct!"));
    CorrectBanner->move(twips::pos(ParkedLeft, 0));
    CorrectBanner->hide();
    SorryBanner = new Picture(this, QStringLiteral("SorryBanner"), QStringLiteral("review/sorry_banner"), {360, 150},
                              QStringLiteral("Sorry!"));
    SorryBanner->move(twips::pos(ParkedLeft, 0));
    SorryBanner->hide();

    ExitButton = addButton("ExitButton", QStringLiteral("shell/exit_button"), {126, 88}, QStringLiteral("Exit"), 11520,
                           6720, &MentalReview2::ExitButton_Click);

    QuestionTimer = makeTimer("QuestionTimer", 1000);
    connect(QuestionTimer, &QTimer::timeout, this, &MentalReview2::QuestionTimer_Timer);
    ReviewTimer = makeTimer("ReviewTimer", 1000);
    connect(ReviewTimer, &QTimer::timeout, this, &MentalReview2::ReviewTimer_Timer);
    CorrectTimer = makeTimer("CorrectTimer", 1000);
    connect(CorrectTimer, &QTimer::timeout, this, &MentalReview2::CorrectTimer_Timer);
    WrongTimer = makeTimer("WrongTimer", 1000);
    connect(WrongTimer, &QTimer::timeout, this, &MentalReview2::WrongTimer_Timer);
}

void MentalReview2::Form_Load()
{
    HideOnes();
    HideTens();
    HideHundreds();
    QFont answerFont = AnsTXT->font();
    answerFont.setPointSize(24);
    AnsTXT->setFont(answerFont);
    HidePositions();
    // 72 points is 96 pixels on a 96-dot screen; the size is set in pixels so the question
    // keeps its place on the panel at any screen density.
    QFont questionFont = QuestionLBL->font();
    questionFont.setPixelSize(96);
    QuestionLBL->setFont(questionFont);
    for (int level = 1; level <= 5; ++level)
        LvlBanner[level]->hide();
    AnsTXT->clear();
    WrongTimer->stop();
    CorrectTimer->stop();
    hideQuestionArea();
    setTargetsEnabled(true);
    GoBackButton->hide();
    copyListBox(AddQList, QList);
    copyListBox(SubQList, QList);
    copyListBox(DivQList, QList);
    copyListBox(MultiQList, QList);
    ReviewTimer->start();
    QuestionTimer->stop();
}

int MentalReview2::currentLevel() const
{
    for (int level = 1; level <= 5; ++level) {
        if (!LvlBanner[level]->isHidden())
            return level;
    }
    return 0;
}

bool MentalReview2::inFeedbackPause() const
{
    return CorrectTimer->isActive() || WrongTimer->isActive() || !CorrectBanner->isHidden()
        || !SorryBanner->isHidden();
}

void MentalReview2::setTargetsEnabled(bool enabled)
{
    for (int target = 1; target <= 5; ++target)
        Target[target]->setEnabled(enabled);
}

void MentalReview2::hideQuestionArea()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{QuestionLBL, HowToDoLBL, EraseAns, CheckAns, AnsTXT,
                                                           QBackground})
        widget->hide();
}

void MentalReview2::copyListBox(const QStringList& source, QStringList& destination)
{
    practice::copyList(source, destination);
}

void MentalReview2::RandomizeQuestions()
{
    std::mt19937 generator(practice::nextSeed());
    practice::shuffle(QList, generator);
}

void MentalReview2::ShowTargets()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{QuestionLBL, HowToDoLBL, EraseAns, CheckAns, AnsTXT,
                                                           QBackground, GoBackButton})
        widget->show();
    setTargetsEnabled(false);
}

void MentalReview2::PickAQuestion()
{
    SoundCue(QStringLiteral("\\OPEN.WAV"));
    RandomizeQuestions();
    const banks::FactParts fact = banks::readFact(QList.at(0));
    QuestionLBL->setText(fact.question);
    RAnsTXT = fact.answer;
    for (QWidget* widget : std::initializer_list<QWidget*>{QuestionLBL, HowToDoLBL, EraseAns, CheckAns, AnsTXT,
                                                           QBackground})
        widget->show();
    setTargetsEnabled(false);
}

void MentalReview2::RecordMarks()
{
    QuestionTimer->start();
    QuestionList.append(QuestionLBL->text());
    CorrectAns.append(RAnsTXT);
}

void MentalReview2::EraseRecordMarks()
{
    if (!QuestionList.isEmpty())
        QuestionList.removeLast();
    if (!CorrectAns.isEmpty())
        CorrectAns.removeLast();
}

void MentalReview2::Target_Click()
{
    // An empty pool has no question to give; the level's end is handled after the last answer.
    if (QList.isEmpty())
        return;
    RandomizeQuestions();
    ShowTargets();
    PickAQuestion();
    ShowPositions();
    CheckNumCharactersONE();
    CheckNumCharactersTEN();
    CheckNumCharactersHUNDRED();
    RecordMarks();
}

void MentalReview2::CheckAns_Click()
{
    // A second press during the Correct!/Sorry! pause would judge a question never asked.
    if (inFeedbackPause())
        return;
    AnsTXT->hide();
    AnsTXT->setEnabled(false);
    TranslateAns();
    AnswerList.append(practice::recordedAnswer(AnsTXT->text()));
    TimeList.append(QuestionCount);
    SeeCorrect();
    if (!Forms::isOpen(this))
        return;
    HideOnes();
    HideTens();
    HideHundreds();
    ClearPlaces();
}

void MentalReview2::SeeCorrect()
{
    QuestionTimer->stop();
    QuestionCount = QStringLiteral("0");
    // Judged as text, character by character: "07" is not "7".
    if (AnsTXT->text() == RAnsTXT) {
        CorrectList.append(QStringLiteral("Correct"));
        CorrectBanner->move(twips::pos(3720, 2160));
        CorrectBanner->show();
        CorrectTimer->start();
        CorrectCountLBL->setText(practice::addToCount(CorrectCountLBL->text(), 1));
    } else {
        CorrectList.append(QStringLiteral("Incorrect"));
        SorryBanner->move(twips::pos(3720, 2160));
        SorryBanner->show();
        WrongTimer->start();
        IncorrectCountLBL->setText(practice::addToCount(IncorrectCountLBL->text(), 1));
    }
    if (!QList.isEmpty())
        QList.removeFirst();
    EndLVL();
    if (!Forms::isOpen(this))
        return;
    MonitorProgress();
}

void MentalReview2::CorrectReset()
{
    AnsTXT->clear();
    CorrectBanner->hide();
    SorryBanner->hide();
    CorrectBanner->move(twips::pos(ParkedLeft, 0));
    SorryBanner->move(twips::pos(ParkedLeft, 0));
    GoBackButton->hide();
}

void MentalReview2::CorrectTimer_Timer()
{
    feedbackStep(CorrectTimer);
}

void MentalReview2::WrongTimer_Timer()
{
    feedbackStep(WrongTimer);
}

// Both feedback timers count the same pause down; the one that runs ends it.
void MentalReview2::feedbackStep(QTimer* feedbackTimer)
{
    TimeCount = practice::addToCount(TimeCount, -1);
    AnsTXT->hide();
    if (TimeCount == QStringLiteral("0")) {
        CorrectReset();
        TimeCount = QStringLiteral("2");
        hideQuestionArea();
        setTargetsEnabled(true);
        feedbackTimer->stop();
    }
}

void MentalReview2::GoBackButton_Click()
{
    // Going back during the pause would take away the records of the question just judged.
    if (inFeedbackPause())
        return;
    SoundCue(QStringLiteral("\\CLOSE.WAV"));
    EraseRecordMarks();
    QuestionTimer->stop();
    QuestionCount = QStringLiteral("0");
    AnsTXT->clear();
    WrongTimer->stop();
    CorrectTimer->stop();
    hideQuestionArea();
    setTargetsEnabled(true);
    GoBackButton->hide();
    HideHundreds();
    HideTens();
    HideOnes();
    ClearPlaces();
}

void MentalReview2::ExitButton_Click()
{
    Forms::show<AreYouSure>();
}

void MentalReview2::QuestionTimer_Timer()
{
    QuestionCount = practice::addToCount(QuestionCount, 1);
}

void MentalReview2::ReviewTimer_Timer()
{
    Time->setText(practice::addToCount(Time->text(), 1));
}
