#include "core/scheidsrechters/HandToewijzing.h"

#include "core/scheidsrechters/Behouden.h"
#include "core/scheidsrechters/RondeLijst.h"
#include "core/scheidsrechters/TScheidsOpzet.h"
#include "core/scheidsrechters/Toewijzen.h"
#include "hulp/Tekst.h"
#include "hulp/WillekeurigToernooi.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace SchemaTestHulp;

// A referee changed by hand on random assignments: whatever the check lets through (no rule
// that always holds broken) is kept whole when the assignment is carried over to the same
// schedule, every other match keeps its referee, and what the check refuses is refused by
// keeping too.
TEST(HandToewijzing, WhatTheCheckAllowsIsKeptAndWhatItRefusesIsNot)
{
    int toegestaan = 0;
    int geweigerd = 0;
    VoorElkGebouwdToernooi(41, 60, [&](int geval, ToernooiModel& model, const TSchemaBoom& boom, std::mt19937& toeval) {
        TScheidsrechters regels;
        regels.Teams = TScheidsTeams::Alle;
        regels.Personen = {{T("Jan"), {2, 3}}};
        regels.Rust = TScheidsRust::NietErvoorOfErna;
        regels.Toewijzingen = Toewijzen(model, boom, regels).Toewijzingen;
        const TScheidsOpzet opzet(model, boom, regels);
        const auto& wedstrijden = opzet.Wedstrijden();
        const auto& fluiters = opzet.Fluiters();
        for (int poging = 0; poging < 10 && !wedstrijden.empty(); ++poging) {
            const auto& w = wedstrijden[toeval() % wedstrijden.size()];
            const QString naam = toeval() % 8 == 0 ? QString() : fluiters[toeval() % fluiters.size()].Naam;
            const TScheidsWijziging wijziging =
                WijzigScheidsrechter(model, boom, regels, regels.Toewijzingen, {w.Ronde, w.Veld, w.Keer, w.Tekst, naam});
            for (const TScheidsToewijzing& t : regels.Toewijzingen) {
                if (t.Tekst != w.Tekst || t.Keer != w.Keer)
                    ASSERT_TRUE(wijziging.Toewijzingen.contains(t)) << "toernooi " << geval;
            }
            TScheidsrechters na = regels;
            na.Toewijzingen = wijziging.Toewijzingen;
            const TScheidsUitkomst behouden = BehoudToewijzing(model, boom, na);
            const bool hard = wijziging.Breuk && wijziging.Breuk->Altijd;
            ASSERT_EQ(behouden.Open.isEmpty(), !hard) << "toernooi " << geval << ": " << qPrintable(naam);
            ASSERT_EQ(na.Naam(w.Ronde, w.Veld, w.Keer, w.Tekst), naam);
            (hard ? geweigerd : toegestaan) += 1;
        }
    });
    EXPECT_GT(toegestaan, 50);
    EXPECT_GT(geweigerd, 50);
}

TEST(HandToewijzing, AbsentRoundsAsTyped)
{
    EXPECT_EQ(RondeLijst::Lees(u""), QList<int>{});
    EXPECT_EQ(RondeLijst::Lees(u" 7, 3 5 - 6;3 "), (QList<int>{3, 5, 6, 7}));
    for (const char16_t* fout : {u"drie", u"0", u"1000", u"5-3", u"3-", u"-3", u"2,x"})
        EXPECT_EQ(RondeLijst::Lees(fout), std::nullopt) << qPrintable(QString::fromUtf16(fout));
    EXPECT_EQ(RondeLijst::Tekst({9, 1, 2, 3, 5, 6}), T("1-3, 5, 6, 9"));
    // What is written reads back as the same rounds.
    std::mt19937 toeval(5);
    for (int i = 0; i < 200; ++i) {
        QList<int> ronden;
        for (int n = int(toeval() % 12); n > 0; --n)
            ronden.append(1 + int(toeval() % 40));
        const auto terug = RondeLijst::Lees(RondeLijst::Tekst(ronden));
        ASSERT_TRUE(terug);
        std::sort(ronden.begin(), ronden.end());
        ronden.erase(std::unique(ronden.begin(), ronden.end()), ronden.end());
        ASSERT_EQ(*terug, ronden);
    }
}
