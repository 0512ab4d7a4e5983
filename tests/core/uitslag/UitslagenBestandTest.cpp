#include "uitslag/UitslagenBestand.h"

#include "bestand/ToernooiLezer.h"
#include "bestand/ToernooiSchrijver.h"
#include "bestand/ToernooiSleutel.h"
#include "model/ToernooiModel.h"

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

TEST(UitslagenBestand, RondgangEnAchteraanGeschreven)
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

    // Every key of the group is unknown to a reader of the older format, which therefore
    // reads the same tournament from it.
    const QStringList groep = met.sliced(zonder.size()).split(QStringLiteral("\r\n"));
    for (const QString& regel : groep) {
        const qsizetype is = regel.indexOf(u'=');
        if (is > 0) {
            const QString sleutel = HoofdLetters(QStringView(regel).first(is));
            EXPECT_EQ(ZoekToernooiSleutel(sleutel), TToernooiSleutel::Geen);
            EXPECT_FALSE(sleutel.contains(QStringLiteral(".LETTERTYPE.")));
        }
    }

    ToernooiModel gelezen;
    ToernooiLezer::LeesToernooi(gelezen, met);
    EXPECT_EQ(gelezen.Uitslagen(), model.Uitslagen());
    EXPECT_EQ(Tekst(gelezen), met);
    EXPECT_FALSE(gelezen.Gewijzigd());

    // A new tournament forgets them.
    gelezen.LeegPoulesEnTeams();
    EXPECT_TRUE(gelezen.Uitslagen().Leeg());
}

TEST(UitslagenBestand, LeestMild)
{
    TUitslagen u;
    const auto lees = [&u](const char* sleutel, const char* waarde) {
        return UitslagenBestand::LeesRegel(u, QString::fromUtf8(sleutel), QString::fromUtf8(waarde));
    };
    EXPECT_FALSE(lees("TEAMNAAM", "T1"));
    lees("UITSLAG", "1,1,0,0,A : T1 x T2");
    lees("UITSLAG", "1,4,4,0,A : T1 x T2");          // the last counts
    lees("UITSLAG", "1,x,0,0,A : T3 x T4");          // kept as it was
    lees("UITSLAGTEAM1", "T9");                      // belongs to no result that was read
    lees("UITSLAG", "1,1,-2,0,A : T3 x T4");
    lees("UITSLAG", "1,1,0");                        // names no match: skipped
    lees("UITSLAG", "1,1,0,3,");
    lees("PUNTEN", "2,1,0");
    lees("PUNTEN", "5,1");                           // skipped: the earlier line counts
    lees("LOTING", "2,1:A");
    lees("LOTING", "3,1:A");                         // position 3 not in a poule of 2
    lees("LOTING", "2,x:A");

    ASSERT_EQ(u.Lijst().size(), 1u);
    EXPECT_EQ(u.Lijst()[0].Doelpunten1, 4);
    EXPECT_FALSE(u.Lijst()[0].HeeftTeams());
    EXPECT_EQ(u.Onleesbaar(),
              QStringList({QStringLiteral("1,x,0,0,A : T3 x T4"),
                           QStringLiteral("1,1,-2,0,A : T3 x T4")}));
    EXPECT_EQ(u.Punten(), (TPunten{2, 1, 0}));
    EXPECT_EQ(u.Loting(QStringLiteral("A"), 2), (QList<int>{2, 1}));
    EXPECT_EQ(u.Loting(QStringLiteral("a"), 2), std::nullopt);

    // The unreadable lines are written back as they were.
    EXPECT_TRUE(UitslagenBestand::Regels(u).contains(QStringLiteral("Uitslag=1,x,0,0,A : T3 x T4\r\n")));
}
