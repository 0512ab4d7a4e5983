#include "core/uitwisseling/Uitwisselbestanden.h"

#include "core/bestand/BestandOpslag.h"
#include "core/uitwisseling/TeamImport.h"

namespace Uitwisselbestanden {

QString LeesLijst(const QString& pad, QByteArray& bytes)
{
    const QString fout = BestandOpslag::LeesAlles(pad, bytes, MaxLijstGrootte);
    if (fout.isEmpty())
        return {};
    return QStringLiteral("Het bestand \"%1\" kan niet gelezen worden: %2.").arg(pad, fout);
}

QString Importeer(ToernooiModel& model, const QString& pad, QString& meldingen)
{
    QByteArray bytes;
    if (QString fout = LeesLijst(pad, bytes); !fout.isEmpty())
        return fout;
    const TImportVoorbeeld voorbeeld = TeamImport::Voorbeeld(model, QByteArrayView(bytes));
    if (!voorbeeld.Fout.isEmpty())
        return QStringLiteral("%1, regel %2: %3").arg(pad).arg(voorbeeld.FoutRegel).arg(voorbeeld.Fout);
    if (!voorbeeld.Waarschuwing.isEmpty())
        meldingen += pad + QStringLiteral(": ") + voorbeeld.Waarschuwing + u'\n';
    for (const TImportRij& rij : voorbeeld.Rijen) {
        if (rij.Reden.isEmpty())
            continue;
        const QString wie = rij.Team.TeamNaam.isEmpty() ? QString() : rij.Team.TeamNaam + QStringLiteral(": ");
        meldingen += QStringLiteral("%1, regel %2: ").arg(pad).arg(rij.Regel) + wie + rij.Reden + u'\n';
    }
    TeamImport::Pas(model, voorbeeld);
    return {};
}

QString ControleerDoel(const QString& doel, const QString& toernooi)
{
    if (toernooi.isEmpty() || !BestandOpslag::IsZelfdeBestand(doel, toernooi))
        return {};
    return QStringLiteral("Het bestand \"%1\" is het toernooibestand zelf; er is niets geschreven. "
                          "Kies een andere naam.").arg(doel);
}

QString Schrijf(const QString& pad, const QByteArray& inhoud)
{
    const QString fout = BestandOpslag::Bewaar(pad, inhoud);
    if (fout.isEmpty())
        return {};
    return QStringLiteral("Het bestand \"%1\" kon niet geschreven worden: %2.").arg(pad, fout);
}

} // namespace Uitwisselbestanden
