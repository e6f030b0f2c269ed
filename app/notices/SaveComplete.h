#pragma once
// Confirms that a results file was written.
#include "app/notices/Notice.h"

class SaveComplete : public Notice {
    Q_OBJECT
public:
    static constexpr const char* Kind = "SaveComplete";
    SaveComplete();
    PictureButton* OkButton;
    void OkButton_Click();
};
