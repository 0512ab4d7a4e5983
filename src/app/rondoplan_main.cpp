#include "Vertaling.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rondoplan"));
    InstalleerNederlandseVertaling(app);
    QMainWindow venster;
    venster.setWindowTitle(QStringLiteral("Rondoplan"));
    venster.resize(640, 480);
    venster.show();
    return app.exec();
}
