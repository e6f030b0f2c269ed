#pragma once
// The test introduction: the rules page builds up line by line, then the pupil gives a name (or
// plays as a class) and the test starts.
#include "app/Form.h"
#include "app/Pictures.h"

#include <array>

class QLineEdit;
class QTimer;

class MentalIntro : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "MentalIntro";
    MentalIntro();

    // The rules page at its five stages, IMG[1] … IMG[5].
    std::array<Picture*, 6> IMG{};
    Picture* Purple;
    Picture* Green;
    Picture* Yellow;
    Picture* Red;
    Picture* Time60;
    Picture* EnterName;
    QLineEdit* StudentNameTXT;
    PictureButton* ClassPlayButton;
    PictureButton* STARTButton;
    PictureButton* NextButton;
    PictureButton* GoBackButton;
    QTimer* ScrollTime;
    QString ScrollCount = QStringLiteral("0");

    void Form_Load() override;
    void ScrollTime_Timer();
    void NextButton_Click();
    void STARTButton_Click();
    void ClassPlayButton_Click();
    void GoBackButton_Click();

private:
    void showPage(int page);
};
