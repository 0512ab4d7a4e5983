#include "ui/programma/TForm1.h"
#include "ui/programma/TProgramma.h"
#include "ui/programma/Vertaling.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rondoplan"));
    QGuiApplication::setDesktopFileName(QStringLiteral("rondoplan"));
    // The program ends when the main window is closed, not when its last window goes.
    QApplication::setQuitOnLastWindowClosed(false);
    InstalleerNederlandseVertaling(app);

    TProgramma programma;
    QObject::connect(&programma.Form1(), &TForm1::afgesloten, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    programma.Start(app.arguments().mid(1));
    return app.exec();
}
