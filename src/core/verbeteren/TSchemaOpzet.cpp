#include "core/verbeteren/TSchemaOpzet.h"

#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/uitslag/TUitslagen.h"

#include <QHash>
#include <algorithm>

namespace {

using TSoort = TOpzetWedstrijd::TSoort;

QString VeldKop(int veld)
{
    return QStringLiteral("Veld ") + QString::number(veld) + QStringLiteral(": ");
}

bool IsEigen(TSoort soort)
{
    return soort == TSoort::Eigen || soort == TSoort::Heen || soort == TSoort::Terug;
}

// The partner of poule p when the link is mutual, else -1; links as PartnerIndexen gives them.
int Partner(const std::vector<int>& links, int p)
{
    const int q = links[std::size_t(p)];
    if (q < 0 || q == p)
        return -1;
    return links[std::size_t(q)] == p ? q : -1;
}

void MaakGroepen(const ToernooiModel& model, TSchemaOpzet& opzet)
{
    const std::vector<int> links = ToernooiModel::PartnerIndexen(model.PouleLijst());
    const auto& poules = model.PouleLijst();
    const int aantal = int(poules.size());
    std::vector<TOpzetGroep> terug(static_cast<std::size_t>(aantal));
    std::vector<TOpzetGroep> kruis(static_cast<std::size_t>(aantal));
    std::vector<TOpzetGroep> plaatsing(static_cast<std::size_t>(aantal));
    for (int p = 0; p < aantal; ++p) {
        terug[std::size_t(p)] = {{}, {}, false, TOpzetGroep::TReden::Terug, p};
        kruis[std::size_t(p)] = {{}, {}, true, TOpzetGroep::TReden::Kruis, p};
        plaatsing[std::size_t(p)] = {{}, {}, true, TOpzetGroep::TReden::Plaatsing, p};
    }
    for (int i = 0; i < int(opzet.Wedstrijden.size()); ++i) {
        const TOpzetWedstrijd& w = opzet.Wedstrijden[std::size_t(i)];
        if (w.Soort == TSoort::Heen)
            terug[std::size_t(w.Poule)].Voor.push_back(i);
        else if (w.Soort == TSoort::Terug)
            terug[std::size_t(w.Poule)].Na.push_back(i);
        if (IsEigen(w.Soort)) {
            const int q = Partner(links, w.Poule);
            if (q >= 0)
                kruis[std::size_t(std::min(w.Poule, q))].Voor.push_back(i);
        } else {
            kruis[std::size_t(w.Paar)].Na.push_back(i);
            (w.Soort == TSoort::Kruising ? plaatsing[std::size_t(w.Paar)].Voor
                                         : plaatsing[std::size_t(w.Paar)].Na)
                .push_back(i);
        }
    }
    for (auto* groepen : {&terug, &kruis, &plaatsing}) {
        for (TOpzetGroep& groep : *groepen) {
            if (!groep.Voor.empty() && !groep.Na.empty())
                opzet.Groepen.push_back(std::move(groep));
        }
    }
}

} // namespace

bool TSchemaOpzet::Bruikbaar(const ToernooiModel& model, int veld, int ronde)
{
    return veld >= 1 && veld <= model.AantalVelden() && ronde >= 1 &&
           ronde <= TSchemaBouwer::LaatsteRonde && model.Velden().Beschikbaar(veld, ronde);
}

TSchemaOpzet MaakOpzet(const ToernooiModel& model, const TSchemaBoom& schema,
                       const TUitslagen& uitslagen)
{
    const std::vector<int> links = ToernooiModel::PartnerIndexen(model.PouleLijst());
    TSchemaOpzet opzet;
    opzet.AantalVelden = model.AantalVelden();
    const auto& poules = model.PouleLijst();
    QHash<const TTeamDetails*, int> teamIndex;
    QHash<const TPouleDetails*, int> pouleIndex;
    for (int p = 0; p < int(poules.size()); ++p) {
        const TPoule& poule = *poules[std::size_t(p)];
        pouleIndex.insert(poule.Details.get(), p);
        for (const TTeamDetails* team : poule.Teams) {
            teamIndex.insert(team, int(opzet.Teams.size()));
            opzet.Teams.push_back({team, p, std::max(poule.Details->MinimaleRust, 0)});
        }
    }

    schema.VoorElkeWedstrijd([&](std::size_t r, std::size_t v, const TWedstrijdDetails& record,
                                 const QString& tekst, int keer) {
        if (!opzet.Fout.isEmpty())
            return;
        TOpzetWedstrijd w;
        w.Inhoud = schema.Ronden[r].Velden[v];
        w.Tekst = tekst;
        w.Keer = keer;
        w.Ronde = schema.Ronden[r].Ronde;
        w.Veld = int(v) + 1;
        w.Gespeeld = uitslagen.Zoek(tekst, keer) != nullptr;
        if (record.Kruis) {
            w.Poule = pouleIndex.value(record.Poule1, -1);
            const int q = w.Poule < 0 ? -1 : Partner(links, w.Poule);
            if (q < 0) {
                opzet.Fout = QStringLiteral("De kruiswedstrijd %1 hoort bij geen gekoppeld paar "
                                            "poules van dit toernooi.")
                                 .arg(tekst);
                return;
            }
            w.Paar = std::min(w.Poule, q);
            const bool dubbel = poules[std::size_t(w.Paar)]->Details->KruisPouleCompetitieType ==
                                TKruisPouleCompetitieType::DubbeleWedstrijden;
            const TKruisWedstrijd& kruis = *record.Kruis;
            // With double cross matches the crossing phase holds the crossing matches and,
            // for poules of equal odd size, the placement match of the last places, whose
            // sides are both places in a poule.
            const bool kruising =
                kruis.Kruis > 0 || (kruis.Kant1.Soort == TKruisKant::TSoort::Nummer &&
                                    kruis.Kant2.Soort == TKruisKant::TSoort::Nummer);
            w.Soort = dubbel && kruising ? TSoort::Kruising : TSoort::Plaatsing;
            w.Finale = kruis.Plaats == 1;
        } else {
            w.TeamA = teamIndex.value(record.Team1, -1);
            w.TeamB = teamIndex.value(record.Team2, -1);
            if (w.TeamA < 0 || w.TeamB < 0 ||
                opzet.Teams[std::size_t(w.TeamA)].Poule != opzet.Teams[std::size_t(w.TeamB)].Poule) {
                opzet.Fout = QStringLiteral("De wedstrijd %1 hoort bij geen poule van dit toernooi.")
                                 .arg(tekst);
                return;
            }
            w.Poule = opzet.Teams[std::size_t(w.TeamA)].Poule;
            const bool hele =
                poules[std::size_t(w.Poule)]->Details->CompetitieType == TCompetitieType::HeleCompetitie;
            if (keer > (hele ? 2 : 1)) {
                opzet.Fout = QStringLiteral("De wedstrijd %1 staat te vaak in het schema.").arg(tekst);
                return;
            }
            w.Soort = !hele ? TSoort::Eigen : keer == 1 ? TSoort::Heen : TSoort::Terug;
        }
        opzet.LaatsteRonde = std::max(opzet.LaatsteRonde, w.Ronde);
        opzet.Wedstrijden.push_back(std::move(w));
    });
    if (opzet.Fout.isEmpty())
        MaakGroepen(model, opzet);
    return opzet;
}

TSchemaBoom MaakSchemaBoom(const ToernooiModel& model,
                           const std::vector<TGeplaatsteWedstrijd>& wedstrijden)
{
    TSchemaBoom boom;
    if (wedstrijden.empty())
        return boom;
    const int velden = model.AantalVelden();
    int laatsteRonde = 0;
    int laatsteVeld = 0;
    for (const TGeplaatsteWedstrijd& w : wedstrijden) {
        if (w.Ronde > laatsteRonde || (w.Ronde == laatsteRonde && w.Veld > laatsteVeld)) {
            laatsteRonde = w.Ronde;
            laatsteVeld = w.Veld;
        }
    }
    // Slot (r, f) at index (r - 1) * velden + f - 1 of the rounds in use.
    std::vector<const TGeplaatsteWedstrijd*> vak(std::size_t(laatsteRonde) * std::size_t(velden),
                                                 nullptr);
    for (const TGeplaatsteWedstrijd& w : wedstrijden)
        vak[std::size_t(w.Ronde - 1) * std::size_t(velden) + std::size_t(w.Veld - 1)] = &w;

    const QString geen = QStringLiteral("Geen wedstrijd");
    auto nieuweRonde = [&boom, velden](int ronde) {
        TSchemaRonde entry;
        entry.Ronde = ronde;
        entry.Tekst = QStringLiteral("Ronde ") + QString::number(ronde);
        entry.Velden.reserve(std::size_t(velden));
        boom.Ronden.push_back(std::move(entry));
    };
    for (int ronde = 1; ronde <= laatsteRonde; ++ronde) {
        nieuweRonde(ronde);
        const int tot = ronde < laatsteRonde ? velden : laatsteVeld;
        for (int veld = 1; veld <= tot; ++veld) {
            const TGeplaatsteWedstrijd* w =
                vak[std::size_t(ronde - 1) * std::size_t(velden) + std::size_t(veld - 1)];
            if (w) {
                boom.Ronden.back().Velden.push_back(
                    {VeldKop(veld) + TSchemaBoom::WedstrijdTekst(w->Inhoud.Tekst), w->Inhoud.Wedstrijd});
            } else {
                boom.Ronden.back().Velden.push_back({VeldKop(veld) + geen, {}});
            }
        }
    }
    // The builder's cursor stops on the next usable slot after the last match, writing the
    // unusable ones (and the round entries) it passes.
    int ronde = laatsteRonde;
    int veld = laatsteVeld;
    for (;;) {
        if (++veld > velden) {
            ++ronde;
            veld = 1;
        }
        if (ronde > TSchemaBouwer::LaatsteRonde)
            break;
        if (veld == 1)
            nieuweRonde(ronde);
        if (model.Velden().Beschikbaar(veld, ronde))
            break;
        boom.Ronden.back().Velden.push_back({VeldKop(veld) + geen, {}});
    }
    return boom;
}
