#pragma once
// Tells the pupil that some answer boxes are still empty.
#include "app/Form.h"

class Opps : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "Opps";
    Opps();
    PictureButton* GoBackButton;
    void GoBackButton_Click();
};
