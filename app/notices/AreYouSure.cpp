#include "app/notices/AreYouSure.h"

#include "app/Forms.h"
#include "app/Main.h"
#include "app/SoundCue.h"

AreYouSure::AreYouSure()
    : Form(Kind, QStringLiteral("Are You Sure You Want To Quit?"), {480, 284}, QStringLiteral("notices/areyousure_background"))
{
    setAccessibleDescription(QStringLiteral("Are you sure you want to quit?"));
    NoButton = addButton("NoButton", QStringLiteral("notices/no_button"), {126, 88}, QStringLiteral("No"),
                         1080, 2640, [this] { NoButton_Click(); });
    YesButton = addButton("YesButton", QStringLiteral("notices/yes_button"), {126, 88}, QStringLiteral("Yes"),
                          4200, 2640, [this] { YesButton_Click(); });
}

void AreYouSure::Form_Load()
{
    SoundCue(QStringLiteral("\\Pop.WAV"));
}

void AreYouSure::YesButton_Click()
{
    Forms::unloadAllForms(this);
    Forms::close(this);
    Forms::show<Main>();
}

void AreYouSure::NoButton_Click()
{
    Forms::close(this);
}
