#include "review/LVLEasier.h"

LVLEasier::LVLEasier()
    : LevelChange(Kind, QStringLiteral("review/easier_background"),
                  QStringLiteral("Hi There! Would you like to try an easier level? What would you like to do?"))
{
    GoEasy = addGoButton("GoEasy", QStringLiteral("review/go_easier_button"), QStringLiteral("Go To Easier Level"));
    connect(GoEasy, &QAbstractButton::clicked, this, &LVLEasier::GoEasy_Click);
}

void LVLEasier::GoEasy_Click()
{
    goToLevel(&LevelChange::easierLevel);
}
