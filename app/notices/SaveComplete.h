#pragma once
// Confirms that a results file was written.
#include "app/Form.h"

class SaveComplete : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "SaveComplete";
    SaveComplete();
    PictureButton* OkButton;
    void OkButton_Click();
};
