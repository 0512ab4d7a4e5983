#include "uitwisseling/Uitwisselbestanden.h"

#include "uitwisseling/TeamImport.h"

#include <QFile>
#include <QSaveFile>

namespace Uitwisselbestanden {

QString Importeer(ToernooiModel& model, const QString& pad, QString& meldingen)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: kan het bestand niet lezen (%2).").arg(pad, bestand.errorString());
    const QByteArray bytes = bestand.readAll();
    const TImportVoorbeeld voorbeeld = TeamImport::Voorbeeld(model, QByteArrayView(bytes));
    if (!voorbeeld.Fout.isEmpty())
        return QStringLiteral("%1, regel %2: %3").arg(pad).arg(voorbeeld.FoutRegel).arg(voorbeeld.Fout);
    for (const TImportRij& rij : voorbeeld.Rijen) {
        if (rij.Reden.isEmpty())
            continue;
        const QString wie = rij.Team.TeamNaam.isEmpty() ? QString() : rij.Team.TeamNaam + QStringLiteral(": ");
        meldingen += QStringLiteral("%1, regel %2: ").arg(pad).arg(rij.Regel) + wie + rij.Reden + u'\n';
    }
    TeamImport::Pas(model, voorbeeld);
    return {};
}

QString Schrijf(const QString& pad, const QByteArray& inhoud)
{
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(inhoud) != inhoud.size()
        || !bestand.commit())
        return QStringLiteral("%1: kan het bestand niet schrijven (%2).").arg(pad, bestand.errorString());
    return {};
}

} // namespace Uitwisselbestanden
