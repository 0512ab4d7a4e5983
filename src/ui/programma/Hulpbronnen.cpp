#include "ui/programma/Hulpbronnen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Hulpbronnen {

QString Pad(const QString& naam)
{
    QStringList mappen;
    if (QCoreApplication::instance())
        mappen.append(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/rondoplan"));
    mappen.append(QStringLiteral(RONDOPLAN_BUILD_DATA_DIR));
    mappen.append(QStringLiteral(RONDOPLAN_BRON_DATA_DIR));
    for (const QString& map : std::as_const(mappen)) {
        const QFileInfo bestand(QDir(map).filePath(naam));
        if (bestand.isFile())
            return bestand.canonicalFilePath();
    }
    return {};
}

QString StartAfbeelding()
{
    return Pad(QStringLiteral("start.jpg"));
}

QString HelpDocument()
{
    return Pad(QStringLiteral("help/rondoplan.html"));
}

} // namespace Hulpbronnen
