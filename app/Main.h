#pragma once
// The main menu: the two activities, About, and the way out of the program.
#include "app/Form.h"
#include "app/Pictures.h"

class Main : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "Main";
    Main();

    PictureButton* Start;
    PictureButton* MentalMathPracticeButton;
    PictureButton* AboutButton;
    PictureButton* ExitButton;
    PictureButton* MainMenuSHOT;
    PictureButton* ReviewSHOT;
    PictureButton* AboutSHOT;

    void Start_Click();
    void MentalMathPracticeButton_Click();
    void AboutButton_Click();
    void ExitButton_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_painted = false;
};
