#include "core/kwaliteit/Ondergrens.h"

#include "core/model/ToernooiModel.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int LaatsteRonde = VeldenEnRonden::OpgeslagenRijen;

int AlsRonden(qint64 waarde)
{
    return int(std::min<qint64>(waarde, std::numeric_limits<int>::max()));
}

// Rounds 1..T hold at least the given number of available cells; counting stops as soon as
// they do, so a tournament that fits early costs only its first rounds.
void ZoekCapaciteit(const ToernooiModel& model, TOndergrens& grens)
{
    const VeldenEnRonden& velden = model.Velden();
    const int aantalVelden = model.AantalVelden();
    grens.Plaatsen = 0;
    if (grens.Wedstrijden == 0)
        return;
    for (int ronde = 1; ronde <= LaatsteRonde; ++ronde) {
        for (int veld = 1; veld <= aantalVelden; ++veld)
            grens.Plaatsen += velden.Beschikbaar(veld, ronde) ? 1 : 0;
        if (grens.Plaatsen >= grens.Wedstrijden) {
            grens.Capaciteit = ronde;
            return;
        }
    }
    grens.Capaciteit = TOndergrens::GeenPlaats;
}

} // namespace

qint64 EigenWedstrijden(int teams, bool heleCompetitie)
{
    const qint64 n = teams;
    return heleCompetitie ? n * (n - 1) : n * (n - 1) / 2;
}

int PouleRonden(int teams, qint64 wedstrijden, int rust)
{
    const qint64 perStuk = teams / 2;
    if (perStuk == 0 || wedstrijden == 0)
        return 0;
    const qint64 r = std::max(rust, 0);
    const qint64 stukken = (wedstrijden + perStuk - 1) / perStuk;
    return AlsRonden((r + 1) * stukken - r);
}

int KruisWedstrijden(int teamsP, int teamsQ, bool dubbel)
{
    const int s = std::min(teamsP, teamsQ);
    if (!dubbel)
        return s;
    return teamsP == teamsQ && teamsP % 2 != 0 ? 2 * s - 1 : 2 * s;
}

TOndergrens BerekenOndergrens(const ToernooiModel& model)
{
    const auto& poules = model.PouleLijst();
    const int aantal = int(poules.size());
    TOndergrens grens;
    std::vector<int> eigenRonden(std::size_t(aantal), 0);
    for (int p = 0; p < aantal; ++p) {
        const TPoule& poule = *poules[std::size_t(p)];
        const int n = int(poule.Teams.size());
        if (n < 2)
            continue;
        const qint64 m =
            EigenWedstrijden(n, poule.Details->CompetitieType == TCompetitieType::HeleCompetitie);
        grens.Wedstrijden += m;
        eigenRonden[std::size_t(p)] = PouleRonden(n, m, poule.Details->MinimaleRust);
        grens.PouleGrens = std::max(grens.PouleGrens, eigenRonden[std::size_t(p)]);
    }
    // A mutual pair counts once, from its first poule; the builder refuses pairs whose kinds of
    // cross matches differ, so the first poule's kind serves.
    const std::vector<int> partners = ToernooiModel::PartnerIndexen(poules);
    for (int p = 0; p < aantal; ++p) {
        const TPouleDetails& poule = *poules[std::size_t(p)]->Details;
        const int q = partners[std::size_t(p)];
        if (q <= p || partners[std::size_t(q)] != p)
            continue;
        const int nP = int(poules[std::size_t(p)]->Teams.size());
        const int nQ = int(poules[std::size_t(q)]->Teams.size());
        if (nP < 2 || nQ < 2)
            continue;
        const bool dubbel =
            poule.KruisPouleCompetitieType == TKruisPouleCompetitieType::DubbeleWedstrijden;
        grens.Wedstrijden += KruisWedstrijden(nP, nQ, dubbel);
        const int eigen = std::max(eigenRonden[std::size_t(p)], eigenRonden[std::size_t(q)]);
        grens.KoppelingGrens = std::max(grens.KoppelingGrens, eigen + (dubbel ? 2 : 1));
    }
    ZoekCapaciteit(model, grens);
    grens.Ronden = std::max({grens.Capaciteit, grens.PouleGrens, grens.KoppelingGrens});
    return grens;
}
