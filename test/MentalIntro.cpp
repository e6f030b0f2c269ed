#include "test/MentalIntro.h"

#include <QLineEdit>

MentalIntro::MentalIntro()
    : Form(Kind, QStringLiteral("Welcome To The Grade 5 Practice Assessment - Radezo Ruda"), {696, 487},
           QStringLiteral("test/intro_page1"))
{
    StudentNameTXT = new QLineEdit(this);
    StudentNameTXT->setObjectName(QStringLiteral("StudentNameTXT"));
    StudentNameTXT->hide();
}

void MentalIntro::STARTButton_Click()
{
}
