#include "core/scheidsrechters/Toewijzen.h"

#include "core/scheidsrechters/Behouden.h"
#include "core/scheidsrechters/ScheidsrechterRegels.h"
#include "core/scheidsrechters/TScheidsOpzet.h"
#include "core/verbeteren/BewaardSchema.h"
#include "core/verbeteren/HandVerplaatsing.h"
#include "hulp/SchemaDocument.h"
#include "hulp/WillekeurigToernooi.h"
#include "scheidsrechters/ScheidsControle.h"

#include <gtest/gtest.h>
#include <random>

using namespace SchemaTestHulp;
using ScheidsControle::TControle;

namespace {

// A random tournament and its schedule; false when the builder refuses it.
bool Willekeurig(ToernooiModel& model, TSchemaBoom& boom, std::mt19937& toeval)
{
    MaakWillekeurig(model, toeval);
    return TSchemaBouwer(model).BouwSchema(boom).Gelukt;
}

std::vector<int> Aantallen(const std::vector<int>& fluiter, std::size_t fluiters)
{
    std::vector<int> aantal(fluiters, 0);
    for (const int f : fluiter) {
        if (f >= 0)
            ++aantal[std::size_t(f)];
    }
    return aantal;
}

} // namespace

// Every team referees, only the rules that always hold: on hundreds of random tournaments no
// rule is broken, as many matches get a referee as the test's own flow says can, the numbers
// are within one wherever that is possible, the same input gives the same assignment, and the
// assignment carried over to its own schedule stays whole.
TEST(Toewijzen, RandomTournamentsFillWhatCanBeFilledEvenlyWithinTheRules)
{
    std::mt19937 toeval(23);
    int getest = 0;
    for (int i = 0; i < 200; ++i) {
        ToernooiModel model;
        TSchemaBoom boom;
        if (!Willekeurig(model, boom, toeval))
            continue;
        ++getest;
        TScheidsrechters regels;
        regels.Teams = TScheidsTeams::Alle;
        const TScheidsUitkomst uitkomst = Toewijzen(model, boom, regels);
        const TControle controle(model, boom, regels);
        std::vector<int> fluiter;
        ASSERT_EQ(controle.Lees(uitkomst.Toewijzingen, fluiter), QString()) << "toernooi " << i;
        int meeste = 0;
        bool gelijk = false;
        controle.Grenzen(meeste, gelijk);
        ASSERT_EQ(uitkomst.Toewijzingen.size(), meeste) << "toernooi " << i;
        ASSERT_EQ(uitkomst.Open.size() + uitkomst.Toewijzingen.size(), qsizetype(controle.Wedstrijden.size()));
        ASSERT_EQ(uitkomst.Redenen.size(), uitkomst.Open.size());
        if (gelijk) {
            const auto aantal = Aantallen(fluiter, controle.Fluiters.size());
            const auto [laag, hoog] = std::minmax_element(aantal.begin(), aantal.end());
            ASSERT_LE(*hoog - *laag, 1) << "toernooi " << i;
        }
        EXPECT_EQ(Toewijzen(model, boom, regels).Toewijzingen, uitkomst.Toewijzingen);
        regels.Toewijzingen = uitkomst.Toewijzingen;
        const TScheidsUitkomst behouden = BehoudToewijzing(model, boom, regels);
        EXPECT_EQ(behouden.Toewijzingen, uitkomst.Toewijzingen);
        EXPECT_TRUE(behouden.Open.isEmpty());
    }
    EXPECT_GT(getest, 160);
}

// The other settings on random tournaments: chosen poules, own or other poules only, named
// referees who miss rounds, the preferences. The rules that always hold are still kept and
// every match that can have a referee has one; each preference does at least as well switched
// on as off.
TEST(Toewijzen, SettingsAndPreferencesOnRandomTournaments)
{
    std::mt19937 toeval(4);
    int voorErna[2] = {0, 0};
    int blijft[2] = {0, 0};
    int club[2] = {0, 0};
    for (int i = 0; i < 120; ++i) {
        ToernooiModel model;
        TSchemaBoom boom;
        if (!Willekeurig(model, boom, toeval))
            continue;
        // Clubs of two teams each, so that a club's own matches are there to avoid.
        for (const auto& team : model.TeamLijst()) {
            TTeamDetails waarden = *team;
            waarden.ClubNaam = QStringLiteral("Club ") + QString::number(model.TeamIndex(team.get()) / 2);
            model.ZetTeamDetails(team.get(), waarden);
        }
        TScheidsrechters regels;
        regels.Teams = TScheidsTeams(toeval() % 3);
        for (const auto& poule : model.PouleLijst()) {
            if (toeval() % 2 == 0)
                regels.Poules.append(poule->Details->PouleNaam);
        }
        regels.Wedstrijden = TScheidsPoules(toeval() % 3);
        for (int p = int(toeval() % 3); p > 0; --p)
            regels.Personen.append({QStringLiteral("Scheids %1").arg(p), {int(toeval() % 6) + 1, int(toeval() % 6) + 1}});

        const TControle controle(model, boom, regels);
        int meeste = 0;
        bool gelijk = false;
        controle.Grenzen(meeste, gelijk);
        for (const TScheidsRust rust : {TScheidsRust::Geen, TScheidsRust::NietErvoorOfErna, TScheidsRust::BlijftOpVeld}) {
            for (const bool nietEigenClub : {false, true}) {
                regels.Rust = rust;
                regels.NietEigenClub = nietEigenClub;
                const TScheidsUitkomst uitkomst = Toewijzen(model, boom, regels);
                std::vector<int> fluiter;
                ASSERT_EQ(controle.Lees(uitkomst.Toewijzingen, fluiter), QString()) << "toernooi " << i;
                ASSERT_EQ(uitkomst.Toewijzingen.size(), meeste) << "toernooi " << i;
                // The preferences, counted by the test.
                const TScheidsOpzet opzet(model, boom, regels);
                for (std::size_t m = 0; m < fluiter.size(); ++m) {
                    const int f = fluiter[m];
                    if (f < 0 || !controle.Fluiters[std::size_t(f)].Team)
                        continue;
                    const auto& w = controle.Wedstrijden[m];
                    const int team = opzet.Fluiters()[std::size_t(f)].Team;
                    if (rust != TScheidsRust::BlijftOpVeld && !nietEigenClub)
                        voorErna[rust == TScheidsRust::NietErvoorOfErna]
                            += opzet.Bezet(team, w.Ronde - 1) + opzet.Bezet(team, w.Ronde + 1);
                    if (rust != TScheidsRust::NietErvoorOfErna && !nietEigenClub)
                        blijft[rust == TScheidsRust::BlijftOpVeld] += opzet.VeldVan(team, w.Ronde - 1) == w.Veld;
                    if (rust == TScheidsRust::Geen) {
                        for (const TTeamDetails* speler : w.Spelers)
                            club[nietEigenClub] += speler->ClubNaam == controle.Fluiters[std::size_t(f)].Team->ClubNaam;
                    }
                }
            }
        }
    }
    EXPECT_LT(voorErna[1], voorErna[0]);
    EXPECT_GT(blijft[1], blijft[0]);
    EXPECT_LT(club[1], club[0]);
}

// The first broken rule, in words, for a change by hand.
TEST(Toewijzen, ACheckByHandNamesTheFirstBrokenRule)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", {T("SV Duinrand E1"), T("T2"), T("T3"), T("T4")}},
                          {"B", {T("T5"), T("T6"), T("T7"), T("T8")}}});
    model.ZetGewoneVelden(2);
    TSchemaBoom boom;
    ASSERT_TRUE(TSchemaBouwer(model).BouwSchema(boom).Gelukt);
    TScheidsrechters regels;
    regels.Teams = TScheidsTeams::Alle;
    regels.Personen = {{T("Jan"), {2}}};
    regels.Rust = TScheidsRust::NietErvoorOfErna;
    const TScheidsOpzet opzet(model, boom, regels);
    // The first match of SV Duinrand E1, and a match of another round for it to referee.
    const auto& wedstrijden = opzet.Wedstrijden();
    const auto eigen = std::find_if(wedstrijden.begin(), wedstrijden.end(),
                                    [](const auto& w) { return w.Team1 == 0 || w.Team2 == 0; });
    ASSERT_NE(eigen, wedstrijden.end());
    const auto breuk = [&](const auto& w, const QString& naam) {
        const auto b = ControleerScheidsrechter(opzet, {w.Ronde, w.Veld, w.Keer, w.Tekst, naam});
        return b ? b->Tekst + (b->Altijd ? QString() : QStringLiteral(" (voorkeur)")) : QString();
    };
    EXPECT_EQ(breuk(*eigen, T("SV Duinrand E1")), T("SV Duinrand E1 speelt zelf in ronde %1").arg(eigen->Ronde));
    EXPECT_EQ(breuk(*eigen, T("Piet")), T("Piet is geen scheidsrechter van dit toernooi"));
    EXPECT_EQ(breuk(*eigen, QString()), QString());
    for (const auto& w : wedstrijden) {
        EXPECT_EQ(breuk(w, T("Jan")), w.Ronde == 2 ? T("Jan is er niet in ronde 2") : QString());
        if (w.Team1 != 0 && w.Team2 != 0 && w.Ronde == eigen->Ronde + 1) {
            EXPECT_EQ(breuk(w, T("SV Duinrand E1")),
                      T("SV Duinrand E1 speelt in ronde %1, vlak voor deze wedstrijd (voorkeur)").arg(eigen->Ronde));
        }
    }
    // Two matches of one round for one referee.
    std::vector<std::size_t> ronde1;
    for (std::size_t m = 0; m < wedstrijden.size(); ++m) {
        if (wedstrijden[m].Ronde == 1)
            ronde1.push_back(m);
    }
    ASSERT_GE(ronde1.size(), 2U);
    const auto& w0 = wedstrijden[ronde1[0]];
    const auto& w1 = wedstrijden[ronde1[1]];
    regels.Toewijzingen = {{w0.Ronde, w0.Veld, w0.Keer, w0.Tekst, T("Jan")}};
    const TScheidsOpzet metJan(model, boom, regels);
    const auto dubbel = ControleerScheidsrechter(metJan, {w1.Ronde, w1.Veld, w1.Keer, w1.Tekst, T("Jan")});
    ASSERT_TRUE(dubbel);
    EXPECT_EQ(dubbel->Tekst, T("Jan fluit al een wedstrijd in ronde 1 (veld %1)").arg(w0.Veld));
}

// A changed schedule keeps every referee that still may, and lists the others with the reason.
TEST(Toewijzen, AChangedScheduleKeepsWhatStillKeepsTheRules)
{
    std::mt19937 toeval(77);
    for (int i = 0; i < 60; ++i) {
        ToernooiModel model;
        TSchemaBoom boom;
        if (!Willekeurig(model, boom, toeval))
            continue;
        TScheidsrechters regels;
        regels.Teams = TScheidsTeams::Alle;
        regels.Toewijzingen = Toewijzen(model, boom, regels).Toewijzingen;
        // The schedule with the slots of two rounds exchanged.
        TSchemaBoom nieuw = boom;
        if (nieuw.Ronden.size() < 3)
            continue;
        std::swap(nieuw.Ronden[0].Velden, nieuw.Ronden[nieuw.Ronden.size() / 2].Velden);
        const TScheidsUitkomst uitkomst = BehoudToewijzing(model, nieuw, regels);
        const TControle controle(model, nieuw, regels);
        std::vector<int> fluiter;
        ASSERT_EQ(controle.Lees(uitkomst.Toewijzingen, fluiter), QString()) << "toernooi " << i;
        EXPECT_EQ(uitkomst.Toewijzingen.size() + uitkomst.Open.size(), regels.Toewijzingen.size());
        ASSERT_EQ(uitkomst.Redenen.size(), uitkomst.Open.size());
        for (qsizetype o = 0; o < uitkomst.Open.size(); ++o) {
            EXPECT_TRUE(uitkomst.Redenen[o].startsWith(uitkomst.Open[o].Naam + u' ')) << qPrintable(uitkomst.Redenen[o]);
            // It was dropped for a reason: on its own it breaks a rule, or its referee has
            // a match in that round already.
            const TScheidsToewijzing& open = uitkomst.Open[o];
            const bool bezet = std::any_of(uitkomst.Toewijzingen.begin(), uitkomst.Toewijzingen.end(),
                                           [&](const TScheidsToewijzing& t) {
                                               return t.Naam == open.Naam && t.Ronde == open.Ronde;
                                           });
            std::vector<int> alleen;
            EXPECT_TRUE(bezet || !controle.Lees({open}, alleen).isEmpty()) << qPrintable(uitkomst.Redenen[o]);
        }
    }
}

// The document shows the kept assignment on the schedule as it stands: after a move by hand
// the matches keep their referees at their new places.
TEST(Toewijzen, TheDocumentCarriesTheAssignmentOverAMovedMatch)
{
    SchemaDocument d;
    VoegPoulesToe(d.model, {{"A", TeamReeks(1, 4)}, {"B", TeamReeks(5, 8)}, {"C", TeamReeks(9, 11)}});
    d.model.ZetGewoneVelden(2);
    d.Bouw();
    TScheidsrechters regels;
    regels.Teams = TScheidsTeams::Alle;
    regels.Toewijzingen = Toewijzen(d.model, d.boom, regels).Toewijzingen;
    d.model.ZetScheidsrechters(regels);
    EXPECT_EQ(d.document.Scheidsrechters().Toewijzingen, regels.Toewijzingen);

    const TVerplaatsUitkomst gewisseld = WisselVakken(d.model, d.boom, d.model.Uitslagen(), {1, 1}, {1, 2});
    ASSERT_TRUE(gewisseld.Gelukt()) << qPrintable(gewisseld.Reden);
    d.model.ZetSchemaIndeling(BewaardSchema::Indeling(gewisseld.Schema));
    ASSERT_EQ(d.boom, gewisseld.Schema);
    const TScheidsUitkomst& nu = d.document.Scheidsrechters();
    EXPECT_TRUE(nu.Open.isEmpty());
    EXPECT_EQ(nu.Toewijzingen.size(), regels.Toewijzingen.size());
    EXPECT_EQ(nu.Toewijzingen[0].Naam, regels.Toewijzingen[1].Naam);
    EXPECT_EQ(nu.Toewijzingen[0].Tekst, regels.Toewijzingen[1].Tekst);
    EXPECT_EQ(nu.Toewijzingen[0].Veld, 1);
}
