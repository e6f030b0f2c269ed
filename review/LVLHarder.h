#pragma once
// The offer of a harder level, after the twentieth right answer of a level.
#include "review/LevelChange.h"

class LVLHarder : public LevelChange {
    Q_OBJECT
public:
    static constexpr const char* Kind = "LVLHarder";
    LVLHarder();

    PictureButton* GoHarder;
    void GoHarder_Click();

protected:
    void playOpeningSound() override;
};
