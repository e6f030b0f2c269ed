#pragma once
// Tells the pupil that a results file could not be written, so nobody believes it was.
#include "app/notices/Notice.h"

class SaveFailed : public Notice {
    Q_OBJECT
public:
    static constexpr const char* Kind = "SaveFailed";
    SaveFailed();
    PictureButton* OkButton;
    void OkButton_Click();
};
