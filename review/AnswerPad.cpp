// The place-value pad of the practice window: three rows of digit buttons, a tile per place
// above them, and the composing of the answer from the tiles.
#include "review/MentalReview2.h"

#include "app/Twips.h"
#include "review/PracticeRules.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const char* const DigitWords[10] = {"Zero", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"};
const int ParkedLeft = 13680;
const int RowTopC = 5760;
const int RowTopB = 6480;
const int RowTopA = 7200;
const int TileTop = 4250;

int digitLeft(int digit)
{
    return 3840 + 720 * digit;
}

void park(QWidget* widget)
{
    widget->move(twips::pos(ParkedLeft, 0));
}

// The place a row writes into, and whether a tile of it is shown.
struct Place {
    QWidget* box;
    Picture* blank;
    std::array<Picture*, 10>* tiles;
};

int shownDigit(const Place& place)
{
    for (int digit = 0; digit <= 9; ++digit) {
        if (!(*place.tiles)[digit]->isHidden())
            return digit;
    }
    return practice::Blank;
}

void setUpPlace(const Place& place, int left)
{
    place.box->move(twips::pos(left, TileTop));
    place.blank->show();
    for (Picture* tile : *place.tiles)
        tile->hide();
    place.box->show();
}

void showRow(QWidget* box, int top)
{
    box->move(twips::pos(digitLeft(0), top));
    box->show();
}
} // namespace

void MentalReview2::buildPad()
{
    HundredBack = new Picture(this, QStringLiteral("HundredBack"), QStringLiteral("review/back_hundreds"), {698, 160},
                              QStringLiteral("Hundreds, Tens, Ones"));
    TenBack = new Picture(this, QStringLiteral("TenBack"), QStringLiteral("review/back_tens"), {606, 109},
                          QStringLiteral("Tens, Ones"));
    OneBack = new Picture(this, QStringLiteral("OneBack"), QStringLiteral("review/back_ones"), {606, 56},
                          QStringLiteral("Ones"));
    for (Picture* back : {HundredBack, TenBack, OneBack})
        back->setBackdrop(background());

    auto makeRow = [this](QWidget*& box, std::array<PictureButton*, 10>& row, char letter, const QString& place) {
        box = new QWidget(this);
        box->setObjectName(QStringLiteral("Row") + QLatin1Char(letter));
        box->setFixedSize(twips::px(digitLeft(9) - digitLeft(0)) + 45, 46);
        for (int digit = 0; digit <= 9; ++digit) {
            const QString name = QString::fromLatin1(DigitWords[digit]) + QLatin1Char(letter);
            const QString text = QString::number(digit);
            row[digit] = new PictureButton(box, name, QStringLiteral("review/digit_tile"), {45, 46},
                                           text + QStringLiteral(" ") + place, text);
            row[digit]->move(twips::px(digitLeft(digit) - digitLeft(0)), 0);
            connect(row[digit], &QAbstractButton::clicked, this, [this, letter, digit] { Digit_Click(letter, digit); });
        }
        park(box);
        box->hide();
    };
    makeRow(RowBoxC, DigitC, 'C', QStringLiteral("hundreds"));
    makeRow(RowBoxB, DigitB, 'B', QStringLiteral("tens"));
    makeRow(RowBoxA, DigitA, 'A', QStringLiteral("ones"));

    auto makePlace = [this](QWidget*& box, Picture*& blank, std::array<Picture*, 10>& tiles, const char* stem,
                            const QString& picture, const QString& place) {
        box = new QWidget(this);
        box->setObjectName(QString::fromLatin1(stem) + QStringLiteral("Place"));
        box->setFixedSize(86, 83);
        blank = new Picture(box, QString::fromLatin1(stem) + QStringLiteral("Blank"), picture, {86, 83},
                            place + QStringLiteral(": empty"), QString());
        for (int digit = 0; digit <= 9; ++digit) {
            tiles[digit] = new Picture(box, QString::fromLatin1(stem) + QString::number(digit), picture, {86, 83},
                                       place + QStringLiteral(": ") + QString::number(digit), QString::number(digit));
        }
        park(box);
    };
    makePlace(HundredBox, HundredBlank, Hundred, "Hundred", QStringLiteral("review/place_hundreds"),
              QStringLiteral("Hundreds"));
    makePlace(TenBox, TenBlank, Ten, "Ten", QStringLiteral("review/place_tens"), QStringLiteral("Tens"));
    makePlace(OneBox, OneBlank, One, "One", QStringLiteral("review/place_ones"), QStringLiteral("Ones"));
}

void MentalReview2::CheckNumCharactersONE()
{
    if (RAnsTXT.size() != 1)
        return;
    showRow(RowBoxA, RowTopA);
    OneBack->move(twips::pos(2160, 7120));
    OneBack->show();
    setUpPlace({OneBox, OneBlank, &One}, 6000);
}

void MentalReview2::CheckNumCharactersTEN()
{
    if (RAnsTXT.size() != 2)
        return;
    showRow(RowBoxB, RowTopB);
    showRow(RowBoxA, RowTopA);
    TenBack->move(twips::pos(2160, 6360));
    OneBack->move(twips::pos(2160, 7120));
    TenBack->show();
    OneBack->show();
    setUpPlace({TenBox, TenBlank, &Ten}, 5280);
    setUpPlace({OneBox, OneBlank, &One}, 6600);
}

void MentalReview2::CheckNumCharactersHUNDRED()
{
    if (RAnsTXT.size() != 3)
        return;
    showRow(RowBoxC, RowTopC);
    showRow(RowBoxB, RowTopB);
    showRow(RowBoxA, RowTopA);
    // The hundreds back carries all three row names; the other two only take their places.
    HundredBack->move(twips::pos(840, 5640));
    TenBack->move(twips::pos(2160, 6360));
    OneBack->move(twips::pos(2160, 7120));
    HundredBack->show();
    setUpPlace({HundredBox, HundredBlank, &Hundred}, 4680);
    setUpPlace({TenBox, TenBlank, &Ten}, 6000);
    setUpPlace({OneBox, OneBlank, &One}, 7320);
}

void MentalReview2::HideOnes()
{
    OneBack->hide();
    RowBoxA->hide();
}

void MentalReview2::HideTens()
{
    TenBack->hide();
    RowBoxB->hide();
    RowBoxA->hide();
}

void MentalReview2::HideHundreds()
{
    HundredBack->hide();
    RowBoxC->hide();
    RowBoxB->hide();
    RowBoxA->hide();
}

void MentalReview2::HidePositions()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{QBackground, GoBackButton, CheckAns, AnsTXT, EraseAns,
                                                           QuestionLBL, HowToDoLBL, HundredBack, TenBack, OneBack})
        park(widget);
    for (QWidget* box : {RowBoxA, RowBoxB, RowBoxC, HundredBox, TenBox, OneBox})
        park(box);
    for (Picture* blank : {HundredBlank, TenBlank, OneBlank})
        blank->hide();
    for (auto* tiles : {&Hundred, &Ten, &One}) {
        for (Picture* tile : *tiles)
            tile->hide();
    }
}

void MentalReview2::ShowPositions()
{
    QBackground->move(twips::pos(2640, 1320));
    GoBackButton->move(twips::pos(8800, 1335));
    CheckAns->move(twips::pos(8760, 4320));
    EraseAns->move(twips::pos(2760, 4320));
    QuestionLBL->move(twips::pos(3360, 2280));
    HowToDoLBL->move(twips::pos(2880, 3840));
    for (QWidget* widget : std::initializer_list<QWidget*>{QBackground, GoBackButton, CheckAns, AnsTXT, EraseAns,
                                                           QuestionLBL, HowToDoLBL})
        widget->show();
    CheckNumCharactersONE();
    CheckNumCharactersHUNDRED();
    CheckNumCharactersTEN();
}

void MentalReview2::ClearPlaces()
{
    for (Picture* blank : {HundredBlank, TenBlank, OneBlank})
        blank->hide();
    for (auto* tiles : {&Hundred, &Ten, &One}) {
        for (Picture* tile : *tiles)
            tile->hide();
    }
    for (QWidget* box : {HundredBox, TenBox, OneBox}) {
        box->hide();
        park(box);
    }
}

void MentalReview2::Digit_Click(char row, int digit)
{
    if (digit < 0 || digit > 9)
        return;
    Picture* blank = nullptr;
    std::array<Picture*, 10>* tiles = nullptr;
    switch (row) {
    case 'A': blank = OneBlank; tiles = &One; break;
    case 'B': blank = TenBlank; tiles = &Ten; break;
    case 'C': blank = HundredBlank; tiles = &Hundred; break;
    default: return;
    }
    blank->hide();
    for (int other = 0; other <= 9; ++other) {
        if (other != digit)
            (*tiles)[other]->hide();
    }
    (*tiles)[digit]->show();
}

void MentalReview2::EraseAns_Click()
{
    // During the pause the pad is put away; bringing it back would leave it over the targets.
    if (inFeedbackPause())
        return;
    AnsTXT->clear();
    CheckNumCharactersHUNDRED();
    CheckNumCharactersTEN();
    CheckNumCharactersONE();
}

void MentalReview2::TranslateAns()
{
    AnsTXT->setText(practice::composeAnswer(AnsTXT->text(), shownDigit({HundredBox, HundredBlank, &Hundred}),
                                            shownDigit({TenBox, TenBlank, &Ten}), shownDigit({OneBox, OneBlank, &One})));
}

void MentalReview2::AnsTXT_Change()
{
    const QString filtered = practice::filterAnswerField(AnsTXT->text());
    if (filtered != AnsTXT->text())
        AnsTXT->setText(filtered);
}
