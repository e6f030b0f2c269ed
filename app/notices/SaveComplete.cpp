#include "app/notices/SaveComplete.h"

#include "app/Forms.h"

SaveComplete::SaveComplete() : Form(Kind, QStringLiteral("Results Saved"), {517, 382}, QStringLiteral("notices/savecomplete_background"))
{
    setAccessibleDescription(QStringLiteral("Save Complete! Your results have been saved to the program folder. Please press OK to continue."));
    OkButton = addButton("OkButton", QStringLiteral("notices/ok_button"), {155, 60}, QStringLiteral("OK"),
                         2640, 4560, [this] { OkButton_Click(); });
}

void SaveComplete::OkButton_Click()
{
    Forms::close(this);
}
