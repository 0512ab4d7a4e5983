#include "schema/LetterlijkeBouwer.h"

#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/schema/TWedstrijdGenerator.h"

namespace {

struct TKandidaat
{
    int Poule;
    std::vector<int> Teams;
};

} // namespace

bool BouwLetterlijk(const ToernooiModel& model, TSchemaBoom& boom)
{
    TWedstrijdGenerator generator(model.PouleLijst());
    const int aantalVelden = model.AantalVelden();
    int ronde = 1;
    int veld = 0;
    bool vol = false;
    boom = TSchemaBoom();
    auto volgendVeld = [&] {
        for (;;) {
            if (++veld > aantalVelden) {
                ++ronde;
                veld = 1;
            }
            if (ronde > TSchemaBouwer::LaatsteRonde) {
                vol = true;
                return;
            }
            if (veld == 1)
                boom.Ronden.push_back(
                    {ronde, QStringLiteral("Ronde ") + QString::number(ronde), {}});
            if (model.Velden().Cel(veld, ronde) == QStringLiteral("Wedstrijd"))
                return;
            boom.Ronden.back().Velden.push_back(
                {QStringLiteral("Veld %1: Geen wedstrijd").arg(veld), {}});
        }
    };
    volgendVeld();
    generator.BereidVoor();

    while (generator.OpenPoules() > 0) {
        if (vol)
            return false;
        std::vector<TKandidaat> kandidaten;
        for (int p = 0; p < generator.AantalPoules(); ++p) {
            const TPouleDetails& poule = generator.Poule(p);
            TKandidaat kandidaat{p, {}};
            for (int t = 0; t < int(generator.Teams(p).size()); ++t) {
                const TTeamDetails& team = *generator.Teams(p)[std::size_t(t)];
                const bool rust = team.LaatsteRonde >= ronde - poule.MinimaleRust;
                const bool wacht = (poule.Fase <= 1 || poule.Fase == 4) && team.Fase != poule.Fase;
                if (!rust && !wacht)
                    kandidaat.Teams.push_back(t);
            }
            if (kandidaat.Teams.size() < 2)
                continue;
            if (poule.Fase <= 1) {
                auto& teams = kandidaat.Teams;
                for (std::size_t i = 0; i < teams.size();) {
                    const TTeamDetails& a = *generator.Teams(p)[std::size_t(teams[i])];
                    bool allesKlaar = true;
                    for (std::size_t j = 0; j < teams.size(); ++j) {
                        if (j != i && !TWedstrijdGenerator::PaarKlaar(
                                          a, *generator.Teams(p)[std::size_t(teams[j])]))
                            allesKlaar = false;
                    }
                    if (teams.size() >= 2 && allesKlaar)
                        teams.erase(teams.begin() + std::ptrdiff_t(i));
                    else
                        ++i;
                }
                if (teams.size() < 2)
                    continue;
            }
            kandidaten.push_back(kandidaat);
        }

        double bestePoule = 9000;
        double besteKruis = 9000;
        int pouleKeuze = -1, teamA = -1, teamB = -1, kruisKeuze = -1, partner = -1;
        for (const TKandidaat& kandidaat : kandidaten) {
            const int p = kandidaat.Poule;
            const TPouleDetails& poule = generator.Poule(p);
            const auto& teams = generator.Teams(p);
            if (poule.Fase <= 1) {
                int a = 9000;
                int b = 9000;
                for (std::size_t i = 0; i < kandidaat.Teams.size(); ++i) {
                    for (std::size_t j = i + 1; j < kandidaat.Teams.size(); ++j) {
                        const TTeamDetails& ta = *teams[std::size_t(kandidaat.Teams[i])];
                        const TTeamDetails& tb = *teams[std::size_t(kandidaat.Teams[j])];
                        if (!TWedstrijdGenerator::PaarKlaar(ta, tb) &&
                            poule.Voortgang <= bestePoule && ta.Gespeeld <= a && tb.Gespeeld <= b) {
                            pouleKeuze = p;
                            teamA = kandidaat.Teams[i];
                            teamB = kandidaat.Teams[j];
                            bestePoule = poule.Voortgang;
                            a = ta.Gespeeld;
                            b = tb.Gespeeld;
                        }
                    }
                }
            } else if (poule.KruisPoule && poule.FaseEindRonde < ronde) {
                const TPouleDetails* q = model.ZoekPoule(poule.KruisPoule->PouleNaam);
                if (q->Fase == poule.Fase && q->FaseEindRonde < ronde &&
                    poule.Voortgang <= besteKruis) {
                    kruisKeuze = p;
                    partner = model.PouleIndex(q);
                    besteKruis = poule.Voortgang;
                }
            }
        }
        if (pouleKeuze >= 0 && kruisKeuze >= 0 &&
            generator.Poule(pouleKeuze).Voortgang > generator.Poule(kruisKeuze).Voortgang)
            pouleKeuze = -1;

        auto& velden = boom.Ronden.back().Velden;
        const QString kop = QStringLiteral("Veld %1: ").arg(veld);
        if (pouleKeuze >= 0) {
            TPouleDetails* poule = &generator.Poule(pouleKeuze);
            const auto& teams = generator.Teams(pouleKeuze);
            const QString tekst = generator.BoekPouleWedstrijd(pouleKeuze, teamA, teamB, ronde);
            velden.push_back({kop + tekst, TWedstrijdDetails{teams[std::size_t(teamA)], poule,
                                                             teams[std::size_t(teamB)], poule}});
        } else if (kruisKeuze >= 0) {
            TPouleDetails* poule = &generator.Poule(kruisKeuze);
            TKruisWedstrijd kruis = generator.BoekKruisWedstrijd(kruisKeuze, partner, ronde);
            const QString tekst = kruis.Tekst();
            velden.push_back(
                {kop + tekst, TWedstrijdDetails{nullptr, poule, nullptr, poule, std::move(kruis)}});
        } else {
            velden.push_back({kop + QStringLiteral("Geen wedstrijd"), {}});
        }
        volgendVeld();
    }
    TSchemaBouwer::FinaleNaarVeld1(boom);
    return true;
}
