#include "app/notices/Opps.h"

#include "app/Forms.h"

Opps::Opps() : Form(Kind, QStringLiteral("Whoops"), {450, 301}, QStringLiteral("notices/opps_background"))
{
    setAccessibleDescription(QStringLiteral("Whoops! Some of the questions are still unanswered. There is still time to answer them!"));
    GoBackButton = addButton("GoBackButton", QStringLiteral("notices/go_back_button"), {126, 88},
                             QStringLiteral("Go Back"), 4680, 3120, [this] { GoBackButton_Click(); });
}

void Opps::GoBackButton_Click()
{
    Forms::close(this);
}
