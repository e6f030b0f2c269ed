#include "app/notices/PrintFailed.h"

#include "app/Forms.h"

PrintFailed::PrintFailed() : Form(Kind, QStringLiteral("Not Printed"), {517, 382}, QStringLiteral("notices/printfailed_background"))
{
    setAccessibleDescription(QStringLiteral("Not Printed. Sorry! The page could not be printed. Please tell your teacher."));
    OkButton = addButton("OkButton", QStringLiteral("notices/ok_button"), {155, 60}, QStringLiteral("OK"),
                         2640, 4560, [this] { OkButton_Click(); });
}

void PrintFailed::OkButton_Click()
{
    Forms::close(this);
}
