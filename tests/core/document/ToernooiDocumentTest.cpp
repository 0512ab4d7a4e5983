// Undo and redo: every edit is one step that takes the tournament back to the saved bytes it
// had before, and forward to the bytes after.

#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/document/ToernooiDocument.h"
#include "core/uitwisseling/TeamImport.h"
#include "hulp/ToernooiHulp.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <random>

using ToernooiHulp::T;

namespace {

QByteArray Bytes(const ToernooiModel& model)
{
    return ToernooiSchrijver::ToernooiBytes(model, ToernooiHulp::VasteKlok(), QLocale::c());
}

// The example match day: poules, cross links and results.
void LaadVoorbeeld(ToernooiModel& model)
{
    QFile bestand(QStringLiteral(RONDOPLAN_VOORBEELDEN "/jeugdtoernooi-wedstrijddag.trn"));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    ToernooiLezer::LeesToernooiBytes(model, bestand.readAll());
    ASSERT_FALSE(model.Uitslagen().Leeg());
}

// One random edit of every kind the organiser can make; number 7 chooses a partner poule.
constexpr std::size_t KruisPouleKiezen = 7;
using Bewerking = std::function<void(ToernooiModel&, std::mt19937&)>;

template <typename T> T* Willekeurig(const std::vector<std::unique_ptr<T>>& lijst, std::mt19937& kans)
{
    return lijst.empty() ? nullptr : lijst[kans() % lijst.size()].get();
}

const std::vector<Bewerking>& Bewerkingen()
{
    static const std::vector<Bewerking> alle = {
        [](ToernooiModel& m, std::mt19937& k) { (void)m.VoegTeamToe(T("Nieuw %1").arg(k() % 50)); },
        [](ToernooiModel& m, std::mt19937& k) {
            if (TTeamDetails* t = Willekeurig(m.TeamLijst(), k))
                m.VerwijderTeams({t});
        },
        [](ToernooiModel& m, std::mt19937& k) { (void)m.VoegPouleToe(T("P%1").arg(k() % 20)); },
        [](ToernooiModel& m, std::mt19937& k) {
            if (!m.PouleLijst().empty())
                m.VerwijderPoule(int(k() % m.PouleLijst().size()));
        },
        [](ToernooiModel& m, std::mt19937& k) {
            if (TTeamDetails* t = Willekeurig(m.TeamLijst(), k); t && !m.PouleLijst().empty())
                m.ZetTeamsInPoule(int(k() % m.PouleLijst().size()), {t});
        },
        [](ToernooiModel& m, std::mt19937& k) {
            if (TTeamDetails* t = Willekeurig(m.TeamLijst(), k)) {
                TTeamDetails w = *t;
                w.ClubAdres = T("Laan %1").arg(k() % 9);
                m.ZetTeamDetails(t, w);
            }
        },
        [](ToernooiModel& m, std::mt19937& k) {
            if (TPoule* p = Willekeurig(m.PouleLijst(), k))
                m.ZetPouleDetails(p->Details.get(), TCompetitieType(k() % 2), p->Details->KruisPoule,
                                  TKruisPouleCompetitieType(k() % 2), int(k() % 3));
        },
        [](ToernooiModel& m, std::mt19937& k) {
            if (TPoule* p = Willekeurig(m.PouleLijst(), k))
                (void)m.KiesKruisPoule(p->Details.get(), int(k() % (m.PouleLijst().size() + 1)), true);
        },
        [](ToernooiModel& m, std::mt19937& k) { m.ZetToernooiNaam(m.ToernooiNaam() + QChar(char16_t(u'a' + k() % 3))); },
        [](ToernooiModel& m, std::mt19937& k) { m.ZetDuurWedstrijd(10 + int(k() % 20)); },
        [](ToernooiModel& m, std::mt19937& k) { m.ZetGewoneVelden(1 + int(k() % 6)); },
        [](ToernooiModel& m, std::mt19937& k) { m.ZetAantalDelen(1 + int(k() % 3)); },
        [](ToernooiModel& m, std::mt19937& k) { m.ZetDagTijd(1, 1, T("0%1:30").arg(8 + k() % 2)); },
        [](ToernooiModel& m, std::mt19937& k) { m.WisselVeld(1 + int(k() % 3), 1 + int(k() % 10)); },
        [](ToernooiModel& m, std::mt19937& k) {
            TLettertypen f = m.Lettertypen();
            f.TextFont.Grootte = 8 + int(k() % 4);
            m.ZetLettertypen(f);
        },
        [](ToernooiModel& m, std::mt19937& k) {
            const auto& lijst = m.Uitslagen().Lijst();
            if (lijst.empty())
                return;
            TUitslag u = lijst[k() % lijst.size()];
            const bool wis = k() % 2 == 0;
            u.Doelpunten1 = int(k() % 5);
            m.WijzigUitslagen([&](TUitslagen& alle) { return wis ? alle.Wis(u.Wedstrijd, u.Keer) : alle.Zet(u); },
                              wis ? u"uitslag wissen" : u"uitslag invoeren");
        },
        [](ToernooiModel& m, std::mt19937& k) {
            const QString lijst = T("Team;Poule\nImport %1;Nieuwe poule\nImport %2;P1\n").arg(k() % 9).arg(k() % 9);
            TeamImport::Pas(m, TeamImport::Voorbeeld(m, lijst));
        },
        [](ToernooiModel& m, std::mt19937& k) {
            TScheidsrechters s = m.Scheidsrechters();
            s.Teams = TScheidsTeams(k() % 3);
            s.Rust = TScheidsRust(k() % 3);
            if (k() % 2 == 0)
                s.Personen.append({T("Scheids %1").arg(k() % 5), {int(k() % 4) + 1}});
            s.Toewijzingen.append({int(k() % 9) + 1, 1, 1, T("A : T1 x T2"), T("Scheids")});
            m.ZetScheidsrechters(s);
        },
    };
    return alle;
}

} // namespace

// 200 random sequences of edits: each step undone gives the bytes before it, redone the bytes
// after it, and undoing everything gives the loaded file back with nothing unsaved.
TEST(ToernooiDocument, EveryEditUndoneAndRedoneGivesTheSameBytes)
{
    std::mt19937 kans(2026);
    for (int reeks = 0; reeks < 200; ++reeks) {
        ToernooiModel model;
        LaadVoorbeeld(model);
        ToernooiDocument document(model);
        const QByteArray begin = Bytes(model);
        const int lengte = 1 + int(kans() % 12);
        int stappen = 0;
        std::string soorten;
        bool kruisGekozen = false;
        for (int i = 0; i < lengte; ++i) {
            const std::size_t soort = kans() % Bewerkingen().size();
            soorten += std::to_string(soort) + ' ';
            kruisGekozen = kruisGekozen || soort == KruisPouleKiezen;
            const QByteArray voor = Bytes(model);
            Bewerkingen()[soort](model, kans);
            document.SluitSamenvoegen();
            const QByteArray na = Bytes(model);
            if (na == voor)
                continue;
            ++stappen;
            ASSERT_TRUE(document.OngedaanMaken()) << "soort " << soort;
            ASSERT_EQ(Bytes(model), voor) << "soort " << soort;
            ASSERT_TRUE(document.Herhalen()) << "soort " << soort;
            ASSERT_EQ(Bytes(model), na) << "soort " << soort;
            EXPECT_TRUE(model.Gewijzigd());
        }
        for (int i = 0; i < stappen; ++i)
            ASSERT_TRUE(document.OngedaanMaken());
        EXPECT_FALSE(document.KanOngedaan());
        EXPECT_EQ(Bytes(model), begin) << "reeks " << reeks;
        // Choosing a partner marks the tournament changed even when nothing changes.
        if (stappen > 0 || !kruisGekozen)
            EXPECT_FALSE(model.Gewijzigd()) << "reeks " << reeks << " soorten " << soorten;
    }
}

TEST(ToernooiDocument, ADeletedTeamComesBackWithItsResultsAndPoule)
{
    ToernooiModel model;
    LaadVoorbeeld(model);
    ToernooiDocument document(model);
    const QByteArray begin = Bytes(model);
    TTeamDetails* team = model.PouleLijst().front()->Teams.front();
    const QString naam = team->TeamNaam;
    model.VerwijderTeams({team});
    model.WijzigUitslagen([](TUitslagen& u) { u = TUitslagen{}; return true; }, u"uitslagen wissen");
    document.SluitStap();
    EXPECT_EQ(document.OngedaanTekst(), T("&Ongedaan maken: teams verwijderen"));
    ASSERT_TRUE(document.OngedaanMaken());
    EXPECT_EQ(Bytes(model), begin);
    // The same record, so a built schedule still points at it.
    EXPECT_EQ(model.PouleLijst().front()->Teams.front(), team);
    EXPECT_EQ(team->TeamNaam, naam);
    EXPECT_EQ(document.HerhaalTekst(), T("&Herhalen: teams verwijderen"));
}

TEST(ToernooiDocument, TypingInOneFieldIsOneStepAndTheSavedStateHasNoChanges)
{
    ToernooiModel model;
    LaadVoorbeeld(model);
    ToernooiDocument document(model);
    const QString naam = model.ToernooiNaam();
    for (const QChar c : T("Zomer"))
        model.ZetToernooiNaam(model.ToernooiNaam() + c), document.SluitStap();
    document.SluitSamenvoegen();
    model.ZetToernooiNaam(model.ToernooiNaam() + u'!');
    document.SluitSamenvoegen();
    ASSERT_TRUE(document.OngedaanMaken());
    EXPECT_EQ(model.ToernooiNaam(), naam + T("Zomer"));
    EXPECT_EQ(document.OngedaanTekst(), T("&Ongedaan maken: toernooinaam wijzigen"));
    ASSERT_TRUE(document.OngedaanMaken());
    EXPECT_EQ(model.ToernooiNaam(), naam);
    EXPECT_FALSE(document.KanOngedaan());
    EXPECT_FALSE(model.Gewijzigd());

    // Saved after a step: undoing it leaves changes, redoing it none.
    ASSERT_TRUE(document.Herhalen());
    model.ZetGewijzigd(false);
    ASSERT_TRUE(document.OngedaanMaken());
    EXPECT_TRUE(model.Gewijzigd());
    ASSERT_TRUE(document.Herhalen());
    EXPECT_FALSE(model.Gewijzigd());

    // A load starts afresh.
    LaadVoorbeeld(model);
    document.SluitStap();
    EXPECT_FALSE(document.KanOngedaan());
    EXPECT_FALSE(document.KanHerhalen());
}
