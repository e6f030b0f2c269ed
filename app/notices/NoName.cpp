#include "app/notices/NoName.h"

#include "app/Forms.h"
#include "test/MentalIntro.h"

#include <QLineEdit>

NoName::NoName()
    : Form(Kind, QStringLiteral("No Name Entered"), {517, 382}, QStringLiteral("notices/noname_background"))
{
    setAccessibleDescription(QStringLiteral("Whoops? No name was entered. What would you like to do?"));
    ClassPlayButton = addButton("ClassPlayButton", QStringLiteral("notices/class_play_button"), {448, 88},
                                QStringLiteral("Play As A Class"), 480, 2640, [this] { ClassPlayButton_Click(); });
    GoBackButton = addButton("GoBackButton", QStringLiteral("notices/go_back_enter_name_button"), {448, 88},
                             QStringLiteral("Go Back And Enter A Name"), 480, 4080, [this] { GoBackButton_Click(); });
}

void NoName::GoBackButton_Click()
{
    Forms::close(this);
}

void NoName::ClassPlayButton_Click()
{
    // The notice stays open behind the test; its Go Back closes it later.
    auto* intro = Forms::get<MentalIntro>();
    intro->StudentNameTXT->setText(QStringLiteral("Class"));
    intro->STARTButton_Click();
}
