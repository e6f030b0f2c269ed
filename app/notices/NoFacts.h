#pragma once
// Reminds the pupil to choose the operations before starting the review.
#include "app/notices/Notice.h"

class NoFacts : public Notice {
    Q_OBJECT
public:
    static constexpr const char* Kind = "NoFacts";
    NoFacts();
    PictureButton* OkButton;
    void Form_Load() override;
    void OkButton_Click();
};
