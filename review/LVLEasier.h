#pragma once
// The offer of an easier level, after the twentieth wrong answer of a level.
#include "review/LevelChange.h"

class LVLEasier : public LevelChange {
    Q_OBJECT
public:
    static constexpr const char* Kind = "LVLEasier";
    LVLEasier();

    PictureButton* GoEasy;
    void GoEasy_Click();
};
