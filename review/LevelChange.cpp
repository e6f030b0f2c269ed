#include "review/LevelChange.h"

#include "app/Forms.h"
#include "app/Twips.h"
#include "review/MentalReview1.h"
#include "review/MentalReview2.h"

#include <QCloseEvent>
#include <QTimer>

namespace {
// Hidden hand-over fields are parked here, outside the client area.
constexpr int ParkedLeft = 13680;
const QString Yes = QStringLiteral("YES");
}

LevelChange::LevelChange(const char* kind, const QString& background, const QString& words)
    : Form(kind, QStringLiteral("What Would You Like To Do?"), {591, 453}, background)
{
    setAccessibleDescription(words);

    StayButton = addButton("StayButton", QStringLiteral("review/stay_button"), {163, 117},
                           QStringLiteral("Stay At This Level"), 360, 4920, &LevelChange::StayButton_Click);

    for (int level = 1; level <= 5; ++level) {
        const QString text = QStringLiteral("Level %1").arg(level);
        LvlBanner[level] = new Picture(this, QStringLiteral("Lvl%1Banner").arg(level), QStringLiteral("review/level_plate"),
                                       {160, 51}, text, text);
        LvlBanner[level]->move(twips::pos(6360, 120));
    }

    auto flag = [this](const char* name, const char* designText) {
        auto* label = new QLabel(QString::fromLatin1(designText), this);
        label->setObjectName(QString::fromLatin1(name));
        label->move(twips::pos(ParkedLeft, 0));
        return label;
    };
    AdditionLBL = flag("AdditionLBL", "No Addition");
    SubtractionLBL = flag("SubtractionLBL", "No Subtraction");
    DivisionLBL = flag("DivisionLBL", "No Division");
    MultiplicationLBL = flag("MultiplicationLBL", "No Multiplication");

    StudentNameTXT = new QLineEdit(QStringLiteral("Student Name"), this);
    StudentNameTXT->setObjectName(QStringLiteral("StudentNameTXT"));
    StudentNameTXT->move(twips::pos(ParkedLeft, 0));
}

PictureButton* LevelChange::addGoButton(const char* name, const QString& picture, const QString& words)
{
    auto* button = new PictureButton(this, QString::fromLatin1(name), picture, {163, 117}, words);
    button->move(twips::pos(6000, 4920));
    return button;
}

MentalReview2* LevelChange::practice()
{
    // Only the open practice window counts: touching a closed one would start an empty level.
    return static_cast<MentalReview2*>(Forms::find(QString::fromLatin1(MentalReview2::Kind)));
}

void LevelChange::Form_Load()
{
    playOpeningSound();
    StudentNameTXT->hide();

    MentalReview2* paused = practice();
    for (int level = 1; level <= 5; ++level)
        LvlBanner[level]->hide();
    if (paused) {
        for (int level = 1; level <= 5; ++level)
            if (!paused->LvlBanner[level]->isHidden())
                LvlBanner[level]->show();
        m_name = paused->StudentNameTXT->text();

        // The feedback banner stays up with its countdown frozen, and the level clock stops.
        paused->CorrectTimer->stop();
        paused->WrongTimer->stop();
        paused->ReviewTimer->stop();
        for (int n = 1; n <= 5; ++n)
            paused->Target[n]->hide();
    }

    SubtractionLBL->hide();
    AdditionLBL->hide();
    DivisionLBL->hide();
    MultiplicationLBL->hide();
}

void LevelChange::copyFlags(const QString& addition, const QString& subtraction, const QString& division,
                            const QString& multiplication)
{
    AdditionLBL->setText(addition);
    SubtractionLBL->setText(subtraction);
    DivisionLBL->setText(division);
    MultiplicationLBL->setText(multiplication);
}

int LevelChange::currentLevel() const
{
    for (int level = 1; level <= 5; ++level)
        if (!LvlBanner[level]->isHidden())
            return level;
    return 0;
}

int LevelChange::harderLevel(int level)
{
    return level >= 1 && level <= 4 ? level + 1 : 0;
}

int LevelChange::easierLevel(int level)
{
    return level >= 2 && level <= 5 ? level - 1 : 1;
}

void LevelChange::StayButton_Click()
{
    if (MentalReview2* paused = practice()) {
        auto resume = [paused](QTimer* feedback) {
            feedback->start();
            paused->ReviewTimer->start();
            for (int n = 1; n <= 5; ++n)
                paused->Target[n]->show();
        };
        if (!paused->CorrectBanner->isHidden())
            resume(paused->CorrectTimer);
        if (!paused->SorryBanner->isHidden())
            resume(paused->WrongTimer);
    }
    Forms::close(this);
}

void LevelChange::goToLevel(int (*mapping)(int))
{
    MentalReview2* current = practice();
    MentalReview1* setup = Forms::show<MentalReview1>();
    setup->StudentNameTXT->setText(current ? current->StudentNameTXT->text() : m_name);

    const int next = mapping(currentLevel());
    for (int level = 1; level <= 5; ++level) {
        setup->Lvl[level]->hide();
        setup->LvlSELECT[level]->setVisible(level == next);
    }

    struct Choice {
        QLabel* flag;
        PictureButton* plain;
        PictureButton* ticked;
    };
    const Choice choices[] = {
        {AdditionLBL, setup->AdditionFact, setup->AdditionFactSELECT},
        {SubtractionLBL, setup->SubtractionFact, setup->SubtractionFactSELECT},
        {DivisionLBL, setup->DivisionFact, setup->DivisionFactSELECT},
        {MultiplicationLBL, setup->MultiplicationFact, setup->MultiplicationFactSELECT},
    };
    for (const Choice& choice : choices) {
        if (choice.flag->text() == Yes) {
            choice.ticked->show();
            choice.plain->hide();
        }
    }

    if (current)
        Forms::close(current);
    setup->STARTButton_Click();
    Forms::close(this);
}

void LevelChange::closeEvent(QCloseEvent* event)
{
    if (Forms::isOpen(this))
        StayButton_Click();
    Form::closeEvent(event);
}
