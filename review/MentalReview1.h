#pragma once
// The review set-up: operations, name and level, then the practice window filled with questions.
#include "app/Form.h"
#include "app/Pictures.h"

#include <QStringList>
#include <array>

class QLineEdit;

class MentalReview1 : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "MentalReview1";
    MentalReview1();

    // Every choice is a plain picture with its ticked twin on top at the same place; the choice
    // is made exactly when the ticked one is not hidden.
    PictureButton* AdditionFact;
    PictureButton* AdditionFactSELECT;
    PictureButton* SubtractionFact;
    PictureButton* SubtractionFactSELECT;
    PictureButton* MultiplicationFact;
    PictureButton* MultiplicationFactSELECT;
    PictureButton* DivisionFact;
    PictureButton* DivisionFactSELECT;
    PictureButton* AllFact;
    PictureButton* AllFactSELECT;
    // Presentation choices below the client area; questions are always shown as numerals.
    PictureButton* NumberFact;
    PictureButton* NumberFactSELECT;
    PictureButton* BaseTenFact;
    PictureButton* BaseTenFactSELECT;
    std::array<PictureButton*, 6> Lvl{};       // 1..5
    std::array<PictureButton*, 6> LvlSELECT{}; // 1..5

    Picture* FactsBack;
    Picture* TypeBack;
    Picture* ChooseLevelBack;
    QLineEdit* StudentNameTXT;
    PictureButton* EraseName;
    PictureButton* PlayAsAClass;
    PictureButton* STARTButton;
    PictureButton* GoBackButton;

    // Whether a choice picture counts as shown, whether or not the window is on screen.
    static bool chosen(const QWidget* ticked);

    void Form_Load() override;
    void OptionsSetup();
    void copyListBox(const QStringList& source, QStringList& destination);
    void RemoveExtraQuestions();

    void AdditionFact_Click();
    void SubtractionFact_Click();
    void MultiplicationFact_Click();
    void DivisionFact_Click();
    void AllFact_Click();
    void AdditionFactSELECT_Click();
    void SubtractionFactSELECT_Click();
    void MultiplicationFactSELECT_Click();
    void DivisionFactSELECT_Click();
    void AllFactSELECT_Click();
    void Lvl_Click(int level);
    void LvlSELECT_Click(int level);
    void Lvl1_Click() { Lvl_Click(1); }
    void Lvl2_Click() { Lvl_Click(2); }
    void Lvl3_Click() { Lvl_Click(3); }
    void Lvl4_Click() { Lvl_Click(4); }
    void Lvl5_Click() { Lvl_Click(5); }
    void Lvl1SELECT_Click() { LvlSELECT_Click(1); }
    void Lvl2SELECT_Click() { LvlSELECT_Click(2); }
    void Lvl3SELECT_Click() { LvlSELECT_Click(3); }
    void Lvl4SELECT_Click() { LvlSELECT_Click(4); }
    void Lvl5SELECT_Click() { LvlSELECT_Click(5); }
    void EraseName_Click();
    void PlayAsAClass_Click();
    void GoBackButton_Click();
    // Also run without a click by the level-change windows, once they have set the name, the
    // level and the operations on a freshly opened set-up window.
    void STARTButton_Click();

    // The bank loaders: each appends one bank to the practice window's source lists.
    void R1SetupAdd();
    void R2SetupAdd();
    void R3SetupAdd();
    void R4SetupAdd();
    void R5SetupAdd();
    void R1SetupSub();
    void R2SetupSub();
    void R3SetupSub();
    void R4SetupSub();
    void R5SetupSub();
    void R1SetupMulti();
    void R2SetupMulti();
    void R3SetupMulti();
    void R4SetupMulti();
    void R5SetupMulti();
    void R1SetupDiv();
    void R2SetupDiv();
    void R3SetupDiv();
    void R4SetupDiv();
    void R5SetupDiv();
    void R1SetupAllFact();
    void R2SetupAllFact();
    void R3SetupAllFact();
    void R4SetupAllFact();
    void R5SetupAllFact();

private:
    // Plain face visible, ticked face hidden, for one choice.
    static void untick(PictureButton* plain, PictureButton* ticked);
    void clearOperations();
};
