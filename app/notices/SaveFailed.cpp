#include "app/notices/SaveFailed.h"

#include "app/Forms.h"

SaveFailed::SaveFailed() : Form(Kind, QStringLiteral("Results Not Saved"), {517, 382}, QStringLiteral("notices/savefailed_background"))
{
    setAccessibleDescription(QStringLiteral("Not Saved. Sorry! Your results could not be saved. Please tell your teacher."));
    OkButton = addButton("OkButton", QStringLiteral("notices/ok_button"), {155, 60}, QStringLiteral("OK"),
                         2640, 4560, [this] { OkButton_Click(); });
}

void SaveFailed::OkButton_Click()
{
    Forms::close(this);
}
