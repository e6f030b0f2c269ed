#pragma once
// Asks a pupil who gave no name to go back or to play as a class.
#include "app/Form.h"

class NoName : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "NoName";
    NoName();
    PictureButton* GoBackButton;
    PictureButton* ClassPlayButton;
    void GoBackButton_Click();
    void ClassPlayButton_Click();
};
