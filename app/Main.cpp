#include "app/Main.h"

#include "app/Forms.h"
#include "app/Twips.h"
#include "app/notices/About.h"
#include "review/MentalReview1.h"
#include "test/MentalIntro.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

Main::Main()
    : Form(Kind, QStringLiteral("Kelbo Radezo Ruda Brightway"), {733, 485}, QStringLiteral("shell/main_background"))
{
    setAccessibleDescription(QStringLiteral("Kelbo Radezo Ruda Brightway"));
    Start = addButton("Start", QStringLiteral("shell/start_button"), {425, 88},
                      QStringLiteral("Start Radezo Ruda Practice Assessment"), 1200, 1560, &Main::Start_Click);
    MentalMathPracticeButton = addButton("MentalMathPracticeButton", QStringLiteral("shell/practice_button"), {425, 88},
                                         QStringLiteral("Practise Your Mental Math Facts"), 1200, 3000,
                                         &Main::MentalMathPracticeButton_Click);
    AboutButton = addButton("AboutButton", QStringLiteral("shell/about_button"), {425, 88},
                            QStringLiteral("About This Program"), 1200, 4440, &Main::AboutButton_Click);
    ExitButton = addButton("ExitButton", QStringLiteral("shell/exit_button"), {126, 88}, QStringLiteral("Exit"),
                           9000, 5880, &Main::ExitButton_Click);
    MainMenuSHOT = addButton("MainMenuSHOT", QStringLiteral("shell/test_thumbnail"), {126, 81},
                             QStringLiteral("The timed test"), 7800, 1560, &Main::Start_Click);
    ReviewSHOT = addButton("ReviewSHOT", QStringLiteral("shell/review_thumbnail"), {145, 91},
                           QStringLiteral("The facts review"), 7680, 3000, &Main::MentalMathPracticeButton_Click);
    AboutSHOT = addButton("AboutSHOT", QStringLiteral("shell/about_thumbnail"), {92, 76},
                          QStringLiteral("About this program"), 8160, 4560, &Main::AboutButton_Click);
}

void Main::Start_Click()
{
    Forms::show<MentalIntro>();
}

void Main::MentalMathPracticeButton_Click()
{
    Forms::show<MentalReview1>();
}

void Main::AboutButton_Click()
{
    Forms::show<About>();
}

void Main::ExitButton_Click()
{
    Forms::unloadAllForms(this);
    Forms::close(this);
}

void Main::paintEvent(QPaintEvent* event)
{
    Form::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    // The start-up benchmark asks the program to report its first painted menu and leave.
    if (qEnvironmentVariableIsSet("RADEZO_RUDA_EXIT_AFTER_FIRST_PAINT")) {
        std::fprintf(stdout, "first-paint\n");
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}
