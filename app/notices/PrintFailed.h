#pragma once
// Tells the pupil that the page could not be printed.
#include "app/Form.h"

class PrintFailed : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "PrintFailed";
    PrintFailed();
    PictureButton* OkButton;
    void OkButton_Click();
};
