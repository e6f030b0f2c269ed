#pragma once
// Tells the pupil that some answer boxes are still empty.
#include "app/notices/Notice.h"

class Opps : public Notice {
    Q_OBJECT
public:
    static constexpr const char* Kind = "Opps";
    Opps();
    PictureButton* GoBackButton;
    void GoBackButton_Click();
};
