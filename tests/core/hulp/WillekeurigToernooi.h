#pragma once

#include "hulp/SchemaTestHulp.h"

#include <random>

namespace SchemaTestHulp {

// A random tournament: up to seven poules of 2..8 teams, mixed competitions and rests,
// mutual links of either kind (and now and then the -1 of a typed selector), one to four
// fields with some unavailable cells.
inline void MaakWillekeurig(ToernooiModel& model, std::mt19937& toeval)
{
    auto getal = [&toeval](int laag, int hoog) {
        return std::uniform_int_distribution<int>(laag, hoog)(toeval);
    };
    const int aantal = getal(1, 7);
    std::vector<TPouleOpzet> opzet;
    std::vector<QByteArray> namen;
    namen.reserve(std::size_t(aantal));
    int team = 1;
    for (int p = 0; p < aantal; ++p) {
        namen.push_back("P" + QByteArray::number(p + 1));
        const int n = getal(2, 8);
        TPouleOpzet poule{namen.back().constData(), TeamReeks(team, team + n - 1)};
        team += n;
        poule.Competitie =
            getal(0, 2) == 0 ? TCompetitieType::HeleCompetitie : TCompetitieType::HalveCompetitie;
        poule.MinimaleRust = getal(0, 5) == 0 ? getal(1, 3) : 0;
        poule.KruisPoule = getal(0, 9) == 0 ? -1 : 0;
        opzet.push_back(poule);
    }
    for (int p = 0; p + 1 < aantal; p += 2) {
        if (getal(0, 2) == 0)
            continue;
        const auto type = getal(0, 1) == 0 ? TKruisPouleCompetitieType::EnkeleWedstrijden
                                           : TKruisPouleCompetitieType::DubbeleWedstrijden;
        // Partners need not be neighbours: swap with a later poule now and then.
        int q = p + 1;
        if (getal(0, 3) == 0)
            q = getal(p + 1, aantal - 1);
        if (opzet[std::size_t(q)].KruisPoule > 0)
            continue;
        opzet[std::size_t(p)].KruisPoule = q + 1;
        opzet[std::size_t(q)].KruisPoule = p + 1;
        opzet[std::size_t(p)].KruisType = type;
        opzet[std::size_t(q)].KruisType = type;
    }
    VoegPoulesToe(model, opzet);
    model.ZetGewoneVelden(getal(1, 4));
    for (int ronde = 1; ronde <= 40; ++ronde) {
        for (int veld = 1; veld <= model.AantalVelden(); ++veld) {
            if (getal(0, 9) == 0)
                model.ZetVeldBeschikbaar(veld, ronde, false);
        }
    }
}

// Makes the given number of random tournaments from the seed and calls
// doe(geval, model, schema, toeval) for each one that builds; returns how many built.
template <typename Doe> int VoorElkGebouwdToernooi(unsigned zaad, int aantal, Doe doe)
{
    std::mt19937 toeval(zaad);
    int gebouwd = 0;
    for (int geval = 0; geval < aantal; ++geval) {
        ToernooiModel model;
        MaakWillekeurig(model, toeval);
        TSchemaBoom boom;
        if (!TSchemaBouwer(model).BouwSchema(boom).Gelukt)
            continue;
        ++gebouwd;
        doe(geval, model, boom, toeval);
    }
    return gebouwd;
}

} // namespace SchemaTestHulp
