#include "app/notices/NoFacts.h"

#include "app/Forms.h"
#include "app/SoundCue.h"

NoFacts::NoFacts()
    : Form(Kind, QStringLiteral("Please Choose The Math Facts"), {548, 354}, QStringLiteral("notices/nofacts_background"))
{
    setAccessibleDescription(QStringLiteral("Uh Oh! It looks like you forgot to choose the math facts you want to work on. Press OK to go back and choose."));
    OkButton = addButton("OkButton", QStringLiteral("notices/ok_button"), {155, 60}, QStringLiteral("OK"),
                         3000, 3960, [this] { OkButton_Click(); });
}

void NoFacts::Form_Load()
{
    SoundCue(QStringLiteral("\\OPEN.WAV"));
}

void NoFacts::OkButton_Click()
{
    SoundCue(QStringLiteral("\\CLOSE.WAV"));
    Forms::close(this);
}
