#pragma once
// Reminds the pupil to choose the operations before starting the review.
#include "app/Form.h"

class NoFacts : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "NoFacts";
    NoFacts();
    PictureButton* OkButton;
    void Form_Load() override;
    void OkButton_Click();
};
