#include "core/schema/TInvoerControle.h"

#include "core/model/ToernooiModel.h"

#include <algorithm>

bool TInvoerControle::HeeftFouten() const
{
    return std::any_of(Regels.begin(), Regels.end(),
                       [](const TRegel& regel) { return regel.Soort == TSoort::Fout; });
}

bool TInvoerControle::HeeftWaarschuwingen() const
{
    return std::any_of(Regels.begin(), Regels.end(),
                       [](const TRegel& regel) { return regel.Soort == TSoort::Waarschuwing; });
}

QStringList TInvoerControle::Teksten() const
{
    QStringList teksten;
    teksten.reserve(Regels.size());
    for (const TRegel& regel : Regels)
        teksten.append(regel.Tekst);
    return teksten;
}

TInvoerControle ControleerInvoer(const ToernooiModel& model)
{
    using TSoort = TInvoerControle::TSoort;
    TInvoerControle controle;
    const QStringList teamsInPoule = model.TeamsInPoule();
    const auto& teams = model.TeamLijst();
    for (qsizetype i = 0; i < teamsInPoule.size(); ++i) {
        if (teamsInPoule.at(i).isEmpty()) {
            controle.Regels.append(
                {TSoort::Waarschuwing, QStringLiteral("- Waarschuwing - Team ") +
                                           teams[std::size_t(i)]->TeamNaam +
                                           QStringLiteral(" is niet ingedeeld in een poule!")});
        }
    }
    const auto& poules = model.PouleLijst();
    if (poules.empty())
        controle.Regels.append(
            {TSoort::Fout, QStringLiteral("* FOUT * U heeft geen poules aangemaakt.")});
    for (const auto& poule : poules) {
        if (poule->Teams.size() >= 2)
            continue;
        controle.Regels.append(
            {TSoort::Fout,
             QStringLiteral("* FOUT * Poule ") + poule->Details->PouleNaam +
                 QStringLiteral(" heeft maar ") + QString::number(poule->Teams.size()) +
                 QStringLiteral(" team(s). Niet genoeg om wedstrijden mee te bouwen.")});
    }
    if (controle.Regels.isEmpty())
        return controle;
    controle.Regels.append(
        {TSoort::Slot,
         controle.HeeftFouten()
             ? QStringLiteral("Er zijn nog fouten waardoor het schema niet gebouwd kan worden.")
             : QStringLiteral(
                   "Er zijn een aantal waarshuwingen. Schema zal gewoon gemaakt worden.")});
    return controle;
}
