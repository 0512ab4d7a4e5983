#include "core/bestand/UitslagenGroep.h"

#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/model/ToernooiModel.h"

#include <QDateTime>
#include <QTimeZone>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QDateTime Moment(QDate(2024, 5, 3), QTime(14, 3, 27), Qt::UTC);

QString Tekst(const ToernooiModel& model)
{
    return ToernooiSchrijver::ToernooiTekst(model, Moment, QLocale::c());
}

void Laad(ToernooiModel& model)
{
    QFile bestand(QStringLiteral(RONDOPLAN_SCHEMA_MAP "/kruis_4_4_dubbel.trn"));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    ToernooiLezer::LeesToernooiBytes(model, bestand.readAll());
}

void VulUitslagen(ToernooiModel& model)
{
    model.WijzigUitslagen([](TUitslagen& u) {
        u.Zet(TUitslag{2, 3, 1, 0, QStringLiteral("A : T1 x T2")});
        u.Zet(TUitslag{1, 0, 0, 2, QStringLiteral("1e&2e:Winnaar Kr. AB1 x Winnaar Kr. AB2"),
                       QStringLiteral("T5, de eerste"), QStringLiteral("T6")});
        u.ZetTerzijde(TUitslag{1, 2, 1, 0, QStringLiteral("Kr. AB1:Nummer 1 A x Nummer 2 B"),
                               QStringLiteral("T1"), QStringLiteral("T6")});
        u.ZetPunten(TPunten{2, 1, 0});
        u.ZetLoting(QStringLiteral("B"), {2, 1});
        return true;
    });
}

} // namespace

TEST(UitslagenGroep, RondgangEnAchteraanGeschreven)
{
    ToernooiModel model;
    Laad(model);
    const QString zonder = Tekst(model);
    VulUitslagen(model);
    const QString met = Tekst(model);

    // The group comes after everything else, which is written as before.
    ASSERT_TRUE(met.startsWith(zonder));
    EXPECT_EQ(met.sliced(zonder.size()),
              QStringLiteral("Punten=2,1,0\r\n"
                             "Loting=2,1:B\r\n"
                             "Uitslag=2,3,1,0,A : T1 x T2\r\n"
                             "Uitslag=1,0,0,2,1e&2e:Winnaar Kr. AB1 x Winnaar Kr. AB2\r\n"
                             "UitslagTeam1=T5, de eerste\r\n"
                             "UitslagTeam2=T6\r\n"
                             "UitslagVervallen=1,2,1,0,Kr. AB1:Nummer 1 A x Nummer 2 B\r\n"
                             "UitslagTeam1=T1\r\n"
                             "UitslagTeam2=T6\r\n"
                             "#\r\n"));

    // Every key of the group is one of the results group, which a reader of the older format
    // does not know, so it reads the same tournament from it; the group alone makes no
    // tournament file.
    const QStringList groep = met.sliced(zonder.size()).split(QStringLiteral("\r\n"));
    for (const QString& regel : groep) {
        const qsizetype is = regel.indexOf(u'=');
        if (is > 0) {
            const QString sleutel = HoofdLetters(QStringView(regel).first(is));
            EXPECT_TRUE(IsUitslagSleutel(ZoekToernooiSleutel(sleutel))) << qPrintable(sleutel);
            EXPECT_FALSE(IsBekendeSleutel(sleutel)) << qPrintable(sleutel);
        }
    }
    EXPECT_FALSE(ToernooiLezer::IsToernooiTekst(met.sliced(zonder.size())));

    ToernooiModel gelezen;
    ToernooiLezer::LeesToernooi(gelezen, met);
    EXPECT_EQ(gelezen.Uitslagen(), model.Uitslagen());
    EXPECT_EQ(Tekst(gelezen), met);
    EXPECT_FALSE(gelezen.Gewijzigd());

    // A new tournament forgets them.
    gelezen.LeegPoulesEnTeams();
    EXPECT_TRUE(gelezen.Uitslagen().Leeg());
}

TEST(UitslagenGroep, LeestMild)
{
    TUitslagen u;
    // One line as the reader hands it over: the key upper-cased, the value and the whole line.
    const auto lees = [&u](const char* tekst) {
        const QString regel = QString::fromUtf8(tekst);
        const QStringView r(regel);
        const qsizetype is = r.indexOf(u'=');
        UitslagenGroep::LeesRegel(u, ZoekToernooiSleutel(HoofdLetters(r.first(is))),
                                  r.sliced(is + 1), r);
    };
    lees("TeamNaam=T1");                           // no key of the group: nothing
    lees("Uitslag=1,1,0,0,A : T1 x T2");
    lees("Uitslag=1,4,4,0,A : T1 x T2");           // the last counts
    lees("Uitslag=1,x,0,0,A : T3 x T4");           // shown as lapsed
    lees("Uitslag=1,1,-2,0,A : T3 x T4");
    lees("Uitslag=1,1000,0,0,A : T3 x T4");        // more goals than a score may have
    lees("Punten=2,1,0");
    lees("Punten=5,1");                            // the earlier line counts
    lees("Punten=100,1,0");
    lees("Loting=2,1:A");
    lees("Loting=3,1:A");                          // position 3 not in a poule of 2

    ASSERT_EQ(u.Lijst().size(), 1u);
    EXPECT_EQ(u.Lijst()[0].Doelpunten1, 4);
    EXPECT_FALSE(u.Lijst()[0].HeeftTeams());
    EXPECT_EQ(u.Onleesbaar(),
              QStringList({QStringLiteral("1,x,0,0,A : T3 x T4"),
                           QStringLiteral("1,1,-2,0,A : T3 x T4"),
                           QStringLiteral("1,1000,0,0,A : T3 x T4")}));
    EXPECT_EQ(u.Punten(), (TPunten{2, 1, 0}));
    EXPECT_EQ(u.Loting(QStringLiteral("A"), 2), (QList<int>{2, 1}));
    EXPECT_EQ(u.Loting(QStringLiteral("a"), 2), std::nullopt);
}

// Every kind of result, points or lot line that cannot be read survives a load and a save as
// it stood, a team line with the line it followed; a second round changes nothing.
TEST(UitslagenGroep, OnleesbareRegelsBlijvenLetterlijkBewaard)
{
    ToernooiModel model;
    Laad(model);
    const QString zonder = Tekst(model);
    const QStringList onleesbaar = {
        QStringLiteral("UitslagTeam2=Los"),
        QStringLiteral("Punten=2,x,0"),
        QStringLiteral("Punten=5,1"),
        QStringLiteral("punten=2147483647,1,0"),
        QStringLiteral("Loting=2,1"),
        QStringLiteral("Loting=2,x:A"),
        QStringLiteral("Loting=-1,2:B"),
        QStringLiteral("Uitslag=1,1,0"),
        QStringLiteral("Uitslag=1,1,0,3,"),
        QStringLiteral("Uitslag=0,1,0,0,A : T1 x T2"),
        QStringLiteral("  UITSLAG=1,x,0,0,Kr. AB1:Nummer 1 A x Nummer 2 B\r\n"
                       "UitslagTeam1=T1\r\nUitslagTeam2=T6"),
        QStringLiteral("Uitslag=1,2147483647,0,0,A : T1 x T3"),
        QStringLiteral("UitslagVervallen=1,1,-1,0,Kr. AB1:Nummer 1 A x Nummer 2 B\r\n"
                       "UitslagTeam1=T2"),
        QStringLiteral("UitslagVervallen=1"),
    };
    const QString goed = QStringLiteral("Uitslag=1,2,1,0,A : T1 x T2\r\n");
    const QString bestand = zonder + onleesbaar.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")
                            + goed + QStringLiteral("#\r\n");
    ToernooiModel gelezen;
    ASSERT_TRUE(ToernooiLezer::LeesToernooi(gelezen, bestand));
    ASSERT_EQ(gelezen.Uitslagen().Lijst().size(), 1u);
    EXPECT_EQ(gelezen.Uitslagen().Punten(), TPunten{});

    const QString bewaard = Tekst(gelezen);
    ASSERT_TRUE(bewaard.startsWith(zonder + goed));
    const QString groep = bewaard.sliced(zonder.size());
    for (const QString& regels : onleesbaar)
        EXPECT_TRUE(groep.contains(QStringLiteral("\n") + regels + QStringLiteral("\r\n")))
            << qPrintable(regels);
    EXPECT_TRUE(groep.endsWith(QStringLiteral("\r\n#\r\n")));

    ToernooiModel nogmaals;
    ASSERT_TRUE(ToernooiLezer::LeesToernooi(nogmaals, bewaard));
    EXPECT_EQ(nogmaals.Uitslagen().Onleesbaar(), gelezen.Uitslagen().Onleesbaar());
    EXPECT_EQ(Tekst(nogmaals), bewaard);
}
