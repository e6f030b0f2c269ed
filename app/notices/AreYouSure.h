#pragma once
// Asks before leaving the practice for the main menu.
#include "app/notices/Notice.h"

class AreYouSure : public Notice {
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
