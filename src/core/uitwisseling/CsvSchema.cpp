#include "core/uitwisseling/CsvSchema.h"

#include "core/uitwisseling/SchemaRegels.h"

#include <QStringList>

namespace CsvSchema {

QString Veld(const QString& tekst, QChar scheiding)
{
    // A spreadsheet program runs a cell that starts with one of these as a formula (a team
    // named "=HYPERLINK(...)" would be a live link); a leading apostrophe keeps it text.
    QString waarde = tekst;
    if (!waarde.isEmpty() && QStringView(u"=+-@\t\r").contains(waarde.front()))
        waarde.prepend(u'\'');
    if (!waarde.contains(scheiding) && !waarde.contains(u'"') && !waarde.contains(u'\n')
        && !waarde.contains(u'\r'))
        return waarde;
    QString gequote = waarde;
    gequote.replace(u'"', QStringLiteral("\"\""));
    return u'"' + gequote + u'"';
}

QByteArray Schrijf(const TSchemaBoom& boom, const VeldenEnRonden& velden, const TWedstrijdDag* dag,
                   const QList<TScheidsToewijzing>& toewijzingen)
{
    const QList<TSchemaRegel> regels = SchemaRegels::Lees(boom, velden, dag, toewijzingen);
    const bool metScheidsrechters = SchemaRegels::HeeftScheidsrechters(regels);
    QString tekst = QStringLiteral("Dag;Ronde;Begin;Eind;Veld;Poule;Team 1;Team 2;Thuis;Uit;Beslissing");
    if (metScheidsrechters)
        tekst += QStringLiteral(";Scheidsrechter");
    tekst += QStringLiteral("\r\n");
    for (const TSchemaRegel& r : regels) {
        QString thuis;
        QString uit;
        QString beslissing;
        if (r.Resultaat) {
            thuis = QString::number(r.Resultaat->Doelpunten1);
            uit = QString::number(r.Resultaat->Doelpunten2);
            const QString winnaar = SchemaRegels::WinnaarNaStrafschoppen(r);
            if (!winnaar.isEmpty())
                beslissing = winnaar + QStringLiteral(" wint na strafschoppen");
        }
        QStringList waarden = {r.Dag, QString::number(r.Ronde), r.Begin, r.Eind,
                               QString::number(r.Veld), r.Poule, r.Team1, r.Team2,
                               thuis, uit, beslissing};
        if (metScheidsrechters)
            waarden.append(r.Scheidsrechter);
        QStringList rij;
        for (const QString& w : waarden)
            rij.append(Veld(w));
        tekst += rij.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + tekst.toUtf8();
}

} // namespace CsvSchema
