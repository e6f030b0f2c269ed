#include "review/MentalReview1.h"

#include "app/Forms.h"
#include "app/SoundCue.h"
#include "app/Twips.h"
#include "app/notices/NoFacts.h"
#include "review/MentalReview2.h"
#include "review/PracticeRules.h"
#include "review/banks/QuestionBanks.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {
const QSize OperationFacePx{133, 112};
const QSize LevelFacePx{45, 46};
const int LevelLeft[6] = {0, 7680, 8520, 9360, 10200, 11040};
const int LevelTop = 5640;
// Below the client area: the pupil never sees the presentation choices.
const int PresentationTop = 8280;

MentalReview2* practiceWindowOf()
{
    return Forms::get<MentalReview2>();
}
} // namespace

MentalReview1::MentalReview1()
    : Form(Kind, QStringLiteral("Welcome To Radezo Ruda Review"), {901, 539}, QStringLiteral("review/setup_background"))
{
    setAccessibleDescription(QStringLiteral("Practise Your Mental Math Facts"));

    // Panels first so every face lies on top of them.
    FactsBack = new Picture(this, QStringLiteral("FactsBack"), QStringLiteral("review/facts_panel"), {879, 166},
                            QStringLiteral("Step 1: Choose the facts you want to review"));
    FactsBack->move(twips::pos(140, 840));
    TypeBack = new Picture(this, QStringLiteral("TypeBack"), QStringLiteral("review/name_panel"), {383, 260},
                           QStringLiteral("Step 2: Enter your name, or play as a class"));
    TypeBack->move(twips::pos(120, 3720));
    ChooseLevelBack = new Picture(this, QStringLiteral("ChooseLevelBack"), QStringLiteral("review/level_panel"),
                                  {491, 184}, QStringLiteral("Step 3: Choose your level. 1 is easiest, 5 is difficult"));
    ChooseLevelBack->move(twips::pos(6000, 3720));

    auto pair = [this](PictureButton*& plain, PictureButton*& ticked, const char* name, const QString& picture,
                       const QString& words, int left, int top, QSize sizePx, const QString& text,
                       void (MentalReview1::*plainClick)(), void (MentalReview1::*tickedClick)()) {
        const QString objectName = QString::fromLatin1(name);
        plain = new PictureButton(this, objectName, picture, sizePx, words, text);
        plain->move(twips::pos(left, top));
        connect(plain, &QAbstractButton::clicked, this, plainClick);
        ticked = new PictureButton(this, objectName + QStringLiteral("SELECT"), picture + QStringLiteral("_ticked"),
                                   sizePx, words + QStringLiteral(", chosen"), text);
        ticked->move(twips::pos(left, top));
        connect(ticked, &QAbstractButton::clicked, this, tickedClick);
    };

    pair(AdditionFact, AdditionFactSELECT, "AdditionFact", QStringLiteral("review/op_addition"),
         QStringLiteral("Addition"), 360, 1440, OperationFacePx, {}, &MentalReview1::AdditionFact_Click,
         &MentalReview1::AdditionFactSELECT_Click);
    pair(SubtractionFact, SubtractionFactSELECT, "SubtractionFact", QStringLiteral("review/op_subtraction"),
         QStringLiteral("Subtraction"), 3000, 1440, OperationFacePx, {}, &MentalReview1::SubtractionFact_Click,
         &MentalReview1::SubtractionFactSELECT_Click);
    pair(MultiplicationFact, MultiplicationFactSELECT, "MultiplicationFact",
         QStringLiteral("review/op_multiplication"), QStringLiteral("Multiplication"), 5640, 1440, OperationFacePx, {},
         &MentalReview1::MultiplicationFact_Click, &MentalReview1::MultiplicationFactSELECT_Click);
    pair(DivisionFact, DivisionFactSELECT, "DivisionFact", QStringLiteral("review/op_division"),
         QStringLiteral("Division"), 8400, 1440, OperationFacePx, {}, &MentalReview1::DivisionFact_Click,
         &MentalReview1::DivisionFactSELECT_Click);
    pair(AllFact, AllFactSELECT, "AllFact", QStringLiteral("review/op_allfacts"), QStringLiteral("All Facts"), 11040,
         1440, OperationFacePx, {}, &MentalReview1::AllFact_Click, &MentalReview1::AllFactSELECT_Click);

    // The presentation pair keeps no handlers: it is out of reach and only the start step sets it.
    NumberFact = new PictureButton(this, QStringLiteral("NumberFact"), QStringLiteral("review/number_fact"),
                                   OperationFacePx, QStringLiteral("Show questions in numbers"));
    NumberFact->move(twips::pos(360, PresentationTop));
    NumberFactSELECT = new PictureButton(this, QStringLiteral("NumberFactSELECT"),
                                         QStringLiteral("review/number_fact_ticked"), OperationFacePx,
                                         QStringLiteral("Show questions in numbers, chosen"));
    NumberFactSELECT->move(twips::pos(360, PresentationTop));
    BaseTenFact = new PictureButton(this, QStringLiteral("BaseTenFact"), QStringLiteral("review/baseten_fact"),
                                    OperationFacePx, QStringLiteral("Show questions in base-ten blocks"));
    BaseTenFact->move(twips::pos(3000, PresentationTop));
    BaseTenFactSELECT = new PictureButton(this, QStringLiteral("BaseTenFactSELECT"),
                                          QStringLiteral("review/baseten_fact_ticked"), OperationFacePx,
                                          QStringLiteral("Show questions in base-ten blocks, chosen"));
    BaseTenFactSELECT->move(twips::pos(3000, PresentationTop));

    for (int level = 1; level <= 5; ++level) {
        const QString digit = QString::number(level);
        const QString name = QStringLiteral("Lvl") + digit;
        Lvl[level] = new PictureButton(this, name, QStringLiteral("review/level_face"), LevelFacePx,
                                       QStringLiteral("Level ") + digit, digit);
        Lvl[level]->move(twips::pos(LevelLeft[level], LevelTop));
        connect(Lvl[level], &QAbstractButton::clicked, this, [this, level] { Lvl_Click(level); });
        LvlSELECT[level] = new PictureButton(this, name + QStringLiteral("SELECT"),
                                             QStringLiteral("review/level_face_ticked"), LevelFacePx,
                                             QStringLiteral("Level ") + digit + QStringLiteral(", chosen"), digit);
        LvlSELECT[level]->move(twips::pos(LevelLeft[level], LevelTop));
        connect(LvlSELECT[level], &QAbstractButton::clicked, this, [this, level] { LvlSELECT_Click(level); });
    }

    StudentNameTXT = new QLineEdit(this);
    StudentNameTXT->setObjectName(QStringLiteral("StudentNameTXT"));
    StudentNameTXT->setAccessibleName(QStringLiteral("Student Name"));
    StudentNameTXT->setText(QStringLiteral("Student Name"));
    StudentNameTXT->setGeometry(twips::rect(600, 4560, 4815, 615));
    QFont nameFont(QStringLiteral("Liberation Sans"));
    nameFont.setBold(true);
    nameFont.setPixelSize(22);
    StudentNameTXT->setFont(nameFont);

    auto button = [this](const char* name, const QString& picture, QSize sizePx, const QString& words, int left,
                         int top, void (MentalReview1::*handler)()) {
        return addButton(name, picture, sizePx, words, left, top, handler);
    };
    EraseName = button("EraseName", QStringLiteral("review/erase_name_button"), {227, 34},
                       QStringLiteral("Erase Name"), 1200, 5220, &MentalReview1::EraseName_Click);
    PlayAsAClass = button("PlayAsAClass", QStringLiteral("review/class_play_button"), {319, 86},
                          QStringLiteral("Play As A Class"), 600, 6240, &MentalReview1::PlayAsAClass_Click);
    GoBackButton = button("GoBackButton", QStringLiteral("notices/go_back_button"), {126, 88},
                          QStringLiteral("Go Back"), 9120, 6650, &MentalReview1::GoBackButton_Click);
    STARTButton = button("STARTButton", QStringLiteral("review/start_button"), {126, 88}, QStringLiteral("Start"),
                         11400, 6650, &MentalReview1::STARTButton_Click);
}

bool MentalReview1::chosen(const QWidget* ticked)
{
    return !ticked->isHidden();
}

void MentalReview1::Form_Load()
{
    OptionsSetup();
    BaseTenFactSELECT->hide();
    BaseTenFact->hide();
    StudentNameTXT->clear();
}

void MentalReview1::untick(PictureButton* plain, PictureButton* ticked)
{
    plain->show();
    ticked->hide();
}

void MentalReview1::OptionsSetup()
{
    untick(AdditionFact, AdditionFactSELECT);
    untick(SubtractionFact, SubtractionFactSELECT);
    untick(MultiplicationFact, MultiplicationFactSELECT);
    untick(DivisionFact, DivisionFactSELECT);
    untick(AllFact, AllFactSELECT);
    untick(BaseTenFact, BaseTenFactSELECT);
    untick(NumberFact, NumberFactSELECT);
    for (int level = 1; level <= 5; ++level)
        untick(Lvl[level], LvlSELECT[level]);
}

void MentalReview1::copyListBox(const QStringList& source, QStringList& destination)
{
    practice::copyList(source, destination);
}

void MentalReview1::RemoveExtraQuestions()
{
    practice::removeExtraQuestions(practiceWindowOf()->QList);
}

// --- Choosing operations ---

void MentalReview1::clearOperations()
{
    untick(AdditionFact, AdditionFactSELECT);
    untick(SubtractionFact, SubtractionFactSELECT);
    untick(MultiplicationFact, MultiplicationFactSELECT);
    untick(DivisionFact, DivisionFactSELECT);
    untick(AllFact, AllFactSELECT);
}

// A single operation joins the others already chosen; all facts, once chosen, stays chosen.
#define RR_CHOOSE_SINGLE(Name)                                                                                         \
    void MentalReview1::Name##Fact_Click()                                                                             \
    {                                                                                                                  \
        Name##Fact->hide();                                                                                            \
        for (PictureButton* other : {AdditionFact, SubtractionFact, MultiplicationFact, DivisionFact, AllFact}) {      \
            if (other != Name##Fact)                                                                                   \
                other->show();                                                                                         \
        }                                                                                                              \
        Name##FactSELECT->show();                                                                                      \
        SoundCue(QStringLiteral("\\Click1.WAV"));                                                                      \
    }

RR_CHOOSE_SINGLE(Addition)
RR_CHOOSE_SINGLE(Subtraction)
RR_CHOOSE_SINGLE(Multiplication)
RR_CHOOSE_SINGLE(Division)
#undef RR_CHOOSE_SINGLE

void MentalReview1::AllFact_Click()
{
    AllFact->hide();
    AdditionFact->show();
    SubtractionFact->show();
    MultiplicationFact->show();
    DivisionFact->show();
    AdditionFactSELECT->hide();
    SubtractionFactSELECT->hide();
    MultiplicationFactSELECT->hide();
    DivisionFactSELECT->hide();
    AllFactSELECT->show();
    SoundCue(QStringLiteral("\\Click1.WAV"));
}

void MentalReview1::AdditionFactSELECT_Click()
{
    clearOperations();
    SoundCue(QStringLiteral("\\Click1.WAV"));
}

void MentalReview1::SubtractionFactSELECT_Click()
{
    // The one un-tick that makes no sound.
    clearOperations();
}

void MentalReview1::MultiplicationFactSELECT_Click()
{
    clearOperations();
    SoundCue(QStringLiteral("\\Click1.WAV"));
}

void MentalReview1::DivisionFactSELECT_Click()
{
    clearOperations();
    SoundCue(QStringLiteral("\\Click1.WAV"));
}

void MentalReview1::AllFactSELECT_Click()
{
    clearOperations();
    SoundCue(QStringLiteral("\\Click1.WAV"));
}

// --- Choosing the level ---

void MentalReview1::Lvl_Click(int level)
{
    if (level < 1 || level > 5)
        return;
    for (int other = 1; other <= 5; ++other) {
        Lvl[other]->setHidden(other == level);
        LvlSELECT[other]->setHidden(other != level);
    }
    SoundCue(QStringLiteral("\\Click2.WAV"));
}

void MentalReview1::LvlSELECT_Click(int level)
{
    if (level < 1 || level > 5)
        return;
    for (int other = 1; other <= 5; ++other)
        untick(Lvl[other], LvlSELECT[other]);
    SoundCue(QStringLiteral("\\Click2.WAV"));
}

// --- Name and leaving ---

void MentalReview1::EraseName_Click()
{
    StudentNameTXT->clear();
}

void MentalReview1::PlayAsAClass_Click()
{
    StudentNameTXT->setText(QStringLiteral("Class"));
}

void MentalReview1::GoBackButton_Click()
{
    Forms::close(this);
}

// --- The start step ---

void MentalReview1::STARTButton_Click()
{
    if (!chosen(AdditionFactSELECT) && !chosen(SubtractionFactSELECT) && !chosen(DivisionFactSELECT)
        && !chosen(MultiplicationFactSELECT) && !chosen(AllFactSELECT)) {
        Forms::show<NoFacts>();
        return;
    }
    if (StudentNameTXT->text().isEmpty())
        StudentNameTXT->setText(QStringLiteral("Class"));

    MentalReview2* practiceWindow = Forms::show<MentalReview2>();
    practiceWindow->QList.clear();

    using Loader = void (MentalReview1::*)();
    struct Operation {
        PictureButton* ticked;
        std::array<Loader, 6> loaders;
        QString* flag;
    };
    const Operation operations[] = {
        {AdditionFactSELECT,
         {nullptr, &MentalReview1::R1SetupAdd, &MentalReview1::R2SetupAdd, &MentalReview1::R3SetupAdd,
          &MentalReview1::R4SetupAdd, &MentalReview1::R5SetupAdd},
         &practiceWindow->AdditionLBL},
        {SubtractionFactSELECT,
         {nullptr, &MentalReview1::R1SetupSub, &MentalReview1::R2SetupSub, &MentalReview1::R3SetupSub,
          &MentalReview1::R4SetupSub, &MentalReview1::R5SetupSub},
         &practiceWindow->SubtractionLBL},
        {DivisionFactSELECT,
         {nullptr, &MentalReview1::R1SetupDiv, &MentalReview1::R2SetupDiv, &MentalReview1::R3SetupDiv,
          &MentalReview1::R4SetupDiv, &MentalReview1::R5SetupDiv},
         &practiceWindow->DivisionLBL},
        {MultiplicationFactSELECT,
         {nullptr, &MentalReview1::R1SetupMulti, &MentalReview1::R2SetupMulti, &MentalReview1::R3SetupMulti,
          &MentalReview1::R4SetupMulti, &MentalReview1::R5SetupMulti},
         &practiceWindow->MultiplicationLBL},
    };
    const std::array<Loader, 6> allFactLoaders = {nullptr,
                                                  &MentalReview1::R1SetupAllFact,
                                                  &MentalReview1::R2SetupAllFact,
                                                  &MentalReview1::R3SetupAllFact,
                                                  &MentalReview1::R4SetupAllFact,
                                                  &MentalReview1::R5SetupAllFact};

    bool anyLevel = false;
    for (int level = 1; level <= 5; ++level)
        anyLevel = anyLevel || chosen(LvlSELECT[level]);

    // Runs the loader of every chosen level, or of level 1 when no level is chosen.
    auto loadLevels = [&](const std::array<Loader, 6>& loaders, auto&& setFlags) {
        for (int level = 1; level <= 5; ++level) {
            if (anyLevel ? !chosen(LvlSELECT[level]) : level != 1)
                continue;
            (this->*loaders[level])();
            practiceWindow->LvlBanner[level]->show();
            setFlags();
        }
    };

    for (const Operation& operation : operations) {
        if (chosen(operation.ticked))
            loadLevels(operation.loaders, [&] { *operation.flag = QStringLiteral("YES"); });
    }
    if (chosen(AllFactSELECT)) {
        loadLevels(allFactLoaders, [&] {
            for (const Operation& operation : operations)
                *operation.flag = QStringLiteral("YES");
        });
    }

    if (chosen(AdditionFactSELECT))
        copyListBox(practiceWindow->AddQList, practiceWindow->QList);
    if (chosen(SubtractionFactSELECT))
        copyListBox(practiceWindow->SubQList, practiceWindow->QList);
    if (chosen(DivisionFactSELECT))
        copyListBox(practiceWindow->DivQList, practiceWindow->QList);
    if (chosen(MultiplicationFactSELECT))
        copyListBox(practiceWindow->MultiQList, practiceWindow->QList);
    if (chosen(AllFactSELECT)) {
        copyListBox(practiceWindow->AddQList, practiceWindow->QList);
        copyListBox(practiceWindow->SubQList, practiceWindow->QList);
        copyListBox(practiceWindow->DivQList, practiceWindow->QList);
        copyListBox(practiceWindow->MultiQList, practiceWindow->QList);
    }

    NumberFactSELECT->show();
    NumberFact->hide();
    practiceWindow->TypeQTXT = QStringLiteral("Numbers");

    practiceWindow->AnsTXT->clear();
    practiceWindow->WrongTimer->stop();
    practiceWindow->CorrectTimer->stop();
    for (QWidget* widget : std::initializer_list<QWidget*>{practiceWindow->QuestionLBL, practiceWindow->HowToDoLBL,
                                                          practiceWindow->EraseAns, practiceWindow->CheckAns,
                                                          practiceWindow->AnsTXT, practiceWindow->QBackground})
        widget->hide();
    for (int target = 1; target <= 5; ++target)
        practiceWindow->Target[target]->setEnabled(true);

    practiceWindow->StudentNameTXT->setText(StudentNameTXT->text());

    practiceWindow->RandomizeQuestions();
    RemoveExtraQuestions();

    const QString poolSize = QString::number(practiceWindow->QList.size());
    practiceWindow->TotalCountLBL->setText(poolSize);
    practiceWindow->TotalCountLBL2->setText(poolSize);

    Forms::close(this);
}

// --- The bank loaders ---

#define RR_LOADER(Level, Suffix, Op, List)                                                                             \
    void MentalReview1::R##Level##Setup##Suffix()                                                                      \
    {                                                                                                                  \
        banks::loadBank(banks::Operation::Op, Level, practiceWindowOf()->List);                                                \
    }
#define RR_LOADERS(Suffix, Op, List)                                                                                   \
    RR_LOADER(1, Suffix, Op, List)                                                                                     \
    RR_LOADER(2, Suffix, Op, List)                                                                                     \
    RR_LOADER(3, Suffix, Op, List)                                                                                     \
    RR_LOADER(4, Suffix, Op, List)                                                                                     \
    RR_LOADER(5, Suffix, Op, List)

RR_LOADERS(Add, Addition, AddQList)
RR_LOADERS(Sub, Subtraction, SubQList)
RR_LOADERS(Multi, Multiplication, MultiQList)
RR_LOADERS(Div, Division, DivQList)
#undef RR_LOADERS
#undef RR_LOADER

#define RR_ALLFACT_LOADER(Level)                                                                                       \
    void MentalReview1::R##Level##SetupAllFact()                                                                       \
    {                                                                                                                  \
        MentalReview2* window = practiceWindowOf();                                                                            \
        banks::loadAllFacts(Level, window->MultiQList, window->DivQList, window->SubQList, window->AddQList);          \
    }
RR_ALLFACT_LOADER(1)
RR_ALLFACT_LOADER(2)
RR_ALLFACT_LOADER(3)
RR_ALLFACT_LOADER(4)
RR_ALLFACT_LOADER(5)
#undef RR_ALLFACT_LOADER
