#pragma once
// Asks before leaving the practice for the main menu.
#include "app/Form.h"

class AreYouSure : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "AreYouSure";
    AreYouSure();
    PictureButton* YesButton;
    PictureButton* NoButton;
    void Form_Load() override;
    void YesButton_Click();
    void NoButton_Click();
};
