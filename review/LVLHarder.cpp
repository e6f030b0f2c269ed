#include "review/LVLHarder.h"

#include "app/SoundCue.h"

LVLHarder::LVLHarder()
    : LevelChange(Kind, QStringLiteral("review/harder_background"),
                  QStringLiteral("Hi There! Would you like to try a more challenging level? What would you like to do?"))
{
    GoHarder = addGoButton("GoHarder", QStringLiteral("review/go_harder_button"), QStringLiteral("Go To Next Level"));
    connect(GoHarder, &QAbstractButton::clicked, this, &LVLHarder::GoHarder_Click);
}

void LVLHarder::playOpeningSound()
{
    SoundCue(QStringLiteral("\\APPLAUSE.WAV"));
}

void LVLHarder::GoHarder_Click()
{
    goToLevel(&LevelChange::harderLevel);
}
