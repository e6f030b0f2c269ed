#pragma once
// Tells the pupil that the page could not be printed.
#include "app/notices/Notice.h"

class PrintFailed : public Notice {
    Q_OBJECT
public:
    static constexpr const char* Kind = "PrintFailed";
    PrintFailed();
    PictureButton* OkButton;
    void OkButton_Click();
};
