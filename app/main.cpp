// Kelbo Radezo Ruda Brightway: mental arithmetic drills for pupils, results for their teacher.
#include "app/Forms.h"
#include "app/Main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelbo Radezo Ruda Brightway"));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    // The program ends when its last window closes, hidden windows included.
    QApplication::setQuitOnLastWindowClosed(false);
    Forms::setOnLastClosed([] { QCoreApplication::quit(); });

    Forms::show<Main>();
    return app.exec();
}
