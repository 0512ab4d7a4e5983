#include "gui/afdruk/PdfMap.h"

#include "core/afdruk/AfdrukInhoud.h"
#include "core/model/ToernooiModel.h"
#include "core/uitwisseling/Uitwisselbestanden.h"
#include "gui/afdruk/AfdrukDocument.h"

#include <QDir>

namespace PdfMap {

int TeamPositie(const ToernooiModel& model, const QString& naam)
{
    const auto& teams = model.TeamLijst();
    for (std::size_t i = 0; i < teams.size(); ++i) {
        if (teams[i]->TeamNaam == naam)
            return int(i) + 1;
    }
    return 0;
}

QString Schrijf(const ToernooiModel& model, const TSchemaBoom& schema, const QString& map,
                const QStringList& teams, const QString& printDatum, const PdfPapier& papier,
                const QString& toernooi)
{
    QDir doel(map);
    if (!doel.mkpath(QStringLiteral(".")))
        return QStringLiteral("De map %1 kan niet worden aangemaakt.").arg(map);

    const TAfdrukGegevens basis = AfdrukInhoud(model, schema, TPaginaMaten{}, printDatum);
    const QString naam = model.ToernooiNaam();
    struct Bestand
    {
        QString Naam;
        PrintOpdrachten::TOpdracht Opdracht;
    };
    QList<Bestand> bestanden{
        {QStringLiteral("schema.pdf"), {QStringLiteral("Rondoplan. Schema. ") + naam, PrintOpdrachten::TSoort::Schema, 0}},
        {QStringLiteral("poules.pdf"), {QStringLiteral("Rondoplan. Poules. ") + naam, PrintOpdrachten::TSoort::Poules, 0}},
        {QStringLiteral("scheidsrechterbriefjes.pdf"),
         {QStringLiteral("Rondoplan. Scheidsrechterbriefjes. ") + naam, PrintOpdrachten::TSoort::Briefjes, 0}},
    };
    // The referees printout only when matches have a referee.
    if (!basis.Scheidsrechters.isEmpty())
        bestanden.append({QStringLiteral("scheidsrechters.pdf"),
                          {QStringLiteral("Rondoplan. Scheidsrechters. ") + naam,
                           PrintOpdrachten::TSoort::Scheidsrechters, 0}});
    for (const QString& team : teams) {
        QString bestandsNaam = QStringLiteral("team ") + team + QStringLiteral(".pdf");
        bestandsNaam.replace(u'/', u'_');
        bestanden.append({bestandsNaam,
                          {QStringLiteral("Rondoplan. Team ") + team + QStringLiteral(". ") + naam,
                           PrintOpdrachten::TSoort::Schema, TeamPositie(model, team)}});
    }
    // Every file is tried: one that fails leaves its previous version, and is named.
    QStringList fouten;
    for (const Bestand& bestand : std::as_const(bestanden)) {
        const QString pad = doel.filePath(bestand.Naam);
        QString fout = Uitwisselbestanden::ControleerDoel(pad, toernooi);
        if (fout.isEmpty()) {
            TAfdrukGegevens gegevens = basis;
            ZetVetTeam(gegevens, model, bestand.Opdracht.VetTeamIndex);
            fout = AfdrukDocument::DrukNaarPdf(pad, gegevens, bestand.Opdracht, papier);
        }
        if (!fout.isEmpty())
            fouten.append(fout);
    }
    return fouten.join(u'\n');
}

} // namespace PdfMap
