#pragma once
// Tells the pupil that a results file could not be written, so nobody believes it was.
#include "app/Form.h"

class SaveFailed : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "SaveFailed";
    SaveFailed();
    PictureButton* OkButton;
    void OkButton_Click();
};
