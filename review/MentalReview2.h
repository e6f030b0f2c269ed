#pragma once
// The practice window: one level of the facts review, question by question, with the
// place-value pad the pupil answers on.
#include "app/Form.h"
#include "app/Pictures.h"

#include <QString>
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QTimer;

class MentalReview2 : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "MentalReview2";
    MentalReview2();

    // --- The pool and where it came from (never shown) ---
    QStringList QList;
    QStringList AddQList;
    QStringList SubQList;
    QStringList DivQList;
    QStringList MultiQList;

    // --- One entry per judged question, all five in the same order ---
    QStringList QuestionList;
    QStringList CorrectAns;
    QStringList AnswerList;
    QStringList TimeList;
    QStringList CorrectList;

    // --- Counts and clocks (decimal text) ---
    QLabel* CorrectCountLBL;
    QLabel* IncorrectCountLBL;
    QLabel* TotalCountLBL;
    QLabel* TotalCountLBL2;
    QLabel* Label1; // "Out of " after the right answers
    QLabel* Label3; // "Out of " after the wrong answers
    QLabel* Time;
    QString QuestionCount = QStringLiteral("0");
    QString TimeCount = QStringLiteral("2");

    // --- The current question ---
    QLabel* QuestionLBL;
    QLabel* HowToDoLBL;
    QString RAnsTXT;
    QLineEdit* AnsTXT;

    // --- Handed over by the set-up window, read at the end of the level and by the monitor ---
    QLineEdit* StudentNameTXT;
    QString AdditionLBL = QStringLiteral("No Addition");
    QString SubtractionLBL = QStringLiteral("No Subtraction");
    QString DivisionLBL = QStringLiteral("No Division");
    QString MultiplicationLBL = QStringLiteral("No Multiplication");
    QString TypeQTXT;
    std::array<Picture*, 6> LvlBanner{}; // 1..5; exactly the current level's one is not hidden

    // The level whose banner is not hidden (1..5), or 0 when none is. Reads isHidden(), so it
    // also answers while the window itself is not on screen.
    int currentLevel() const;

    // --- Pictures and buttons ---
    Picture* NumCorrectBanner;
    Picture* NumIncorrectBanner;
    Picture* Image1; // "Time In Seconds" plate
    std::array<PictureButton*, 6> Target{}; // 1..5, five places to click for the next question
    Picture* QBackground;
    Picture* CorrectBanner;
    Picture* SorryBanner;
    PictureButton* CheckAns;
    PictureButton* EraseAns;
    PictureButton* GoBackButton;
    PictureButton* ExitButton;

    // --- Timers, 1000 ms each ---
    QTimer* QuestionTimer;
    QTimer* ReviewTimer;
    QTimer* CorrectTimer;
    QTimer* WrongTimer;

    // --- The place-value pad (AnswerPad.cpp) ---
    // Digit buttons by row: A ones, B tens, C hundreds; index is the digit.
    std::array<PictureButton*, 10> DigitA{};
    std::array<PictureButton*, 10> DigitB{};
    std::array<PictureButton*, 10> DigitC{};
    Picture* HundredBack;
    Picture* TenBack;
    Picture* OneBack;
    // Place tiles: the blank one and one per digit, all of a place stacked at one spot.
    Picture* HundredBlank;
    std::array<Picture*, 10> Hundred{};
    Picture* TenBlank;
    std::array<Picture*, 10> Ten{};
    Picture* OneBlank;
    std::array<Picture*, 10> One{};

    // --- Procedures ---
    void Form_Load() override;
    void copyListBox(const QStringList& source, QStringList& destination);
    void RandomizeQuestions();
    void ShowTargets();
    void PickAQuestion();
    void RecordMarks();
    void EraseRecordMarks();
    void SeeCorrect();
    void CorrectReset();
    // Defined with the end-of-level report and with the level-change offers.
    void EndLVL();
    void MonitorProgress();

    // True during the two-second Correct!/Sorry! pause (also while a level-change offer holds
    // it): Check Answer, Erase Answer and Go Back do nothing then.
    bool inFeedbackPause() const;

    // --- Handlers ---
    void Target1_Click() { Target_Click(); }
    void Target2_Click() { Target_Click(); }
    void Target3_Click() { Target_Click(); }
    void Target4_Click() { Target_Click(); }
    void Target5_Click() { Target_Click(); }
    void Target_Click();
    void CheckAns_Click();
    void GoBackButton_Click();
    void ExitButton_Click();
    void QuestionTimer_Timer();
    void ReviewTimer_Timer();
    void CorrectTimer_Timer();
    void WrongTimer_Timer();

    // --- Pad operations (AnswerPad.cpp) ---
    void CheckNumCharactersONE();
    void CheckNumCharactersTEN();
    void CheckNumCharactersHUNDRED();
    void HideOnes();
    void HideTens();
    void HideHundreds();
    void HidePositions();
    void ShowPositions();
    void TranslateAns();
    void ClearPlaces();
    void EraseAns_Click();
    void AnsTXT_Change();

    // Row of a digit button: 'A' ones, 'B' tens, 'C' hundreds.
    void Digit_Click(char row, int digit);
    void ZeroA_Click() { Digit_Click('A', 0); }
    void OneA_Click() { Digit_Click('A', 1); }
    void TwoA_Click() { Digit_Click('A', 2); }
    void ThreeA_Click() { Digit_Click('A', 3); }
    void FourA_Click() { Digit_Click('A', 4); }
    void FiveA_Click() { Digit_Click('A', 5); }
    void SixA_Click() { Digit_Click('A', 6); }
    void SevenA_Click() { Digit_Click('A', 7); }
    void EightA_Click() { Digit_Click('A', 8); }
    void NineA_Click() { Digit_Click('A', 9); }
    void ZeroB_Click() { Digit_Click('B', 0); }
    void OneB_Click() { Digit_Click('B', 1); }
    void TwoB_Click() { Digit_Click('B', 2); }
    void ThreeB_Click() { Digit_Click('B', 3); }
    void FourB_Click() { Digit_Click('B', 4); }
    void FiveB_Click() { Digit_Click('B', 5); }
    void SixB_Click() { Digit_Click('B', 6); }
    void SevenB_Click() { Digit_Click('B', 7); }
    void EightB_Click() { Digit_Click('B', 8); }
    void NineB_Click() { Digit_Click('B', 9); }
    void ZeroC_Click() { Digit_Click('C', 0); }
    void OneC_Click() { Digit_Click('C', 1); }
    void TwoC_Click() { Digit_Click('C', 2); }
    void ThreeC_Click() { Digit_Click('C', 3); }
    void FourC_Click() { Digit_Click('C', 4); }
    void FiveC_Click() { Digit_Click('C', 5); }
    void SixC_Click() { Digit_Click('C', 6); }
    void SevenC_Click() { Digit_Click('C', 7); }
    void EightC_Click() { Digit_Click('C', 8); }
    void NineC_Click() { Digit_Click('C', 9); }

private:
    // Each digit row and each place's stack of tiles sits in a box of its own, so a row comes
    // and goes, and a place moves, as one widget: a click then costs one show, not ten.
    QWidget* RowBoxA = nullptr;
    QWidget* RowBoxB = nullptr;
    QWidget* RowBoxC = nullptr;
    QWidget* HundredBox = nullptr;
    QWidget* TenBox = nullptr;
    QWidget* OneBox = nullptr;
    void buildPad();
    void setTargetsEnabled(bool enabled);
    void hideQuestionArea();
    void feedbackStep(QTimer* feedbackTimer);
};
