#include "ui/programma/Vertaling.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalleerNederlandseVertaling(QCoreApplication& app)
{
    auto* vertaler = new QTranslator(&app);
    const QString map = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!vertaler->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"),
                        QStringLiteral("_"), map)) {
        delete vertaler;
        return false;
    }
    app.installTranslator(vertaler);
    return true;
}
