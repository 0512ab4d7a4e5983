#include "core/bestand/SchemaGroep.h"

#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/model/ToernooiModel.h"
#include "hulp/Tekst.h"

#include <QFile>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

QString Tekst(const ToernooiModel& model)
{
    return ToernooiSchrijver::ToernooiTekst(model, QDateTime(QDate(2024, 5, 3), QTime(14, 3), QTimeZone::utc()),
                                            QLocale::c());
}

} // namespace

// The kept schedule goes last, after the results, and reads back whole; lines that cannot be
// read are left out; a file of nothing but such lines is no tournament.
TEST(SchemaGroep, KeptPlacesFollowTheResultsAndReadBack)
{
    ToernooiModel model;
    QFile bestand(QStringLiteral(RONDOPLAN_SCHEMA_MAP "/kruis_4_4_dubbel.trn"));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    ToernooiLezer::LeesToernooiBytes(model, bestand.readAll());
    const QString zonder = Tekst(model);
    model.WijzigUitslagen([](TUitslagen& u) {
        u.Zet(TUitslag{1, 2, 1, 0, T("A : T1 x T2")});
        return true;
    });
    const TSchemaIndeling indeling{{{3, 1, 1, T("A : T1 x T2")}, {12, 2, 2, T("1e&2e:Winnaar Kr. AB1, x")}}};
    model.ZetSchemaIndeling(indeling);
    const QString tekst = Tekst(model);
    EXPECT_TRUE(tekst.endsWith(T("#\r\nSchemaPlek=3,1,1,A : T1 x T2\r\n"
                                 "SchemaPlek=12,2,2,1e&2e:Winnaar Kr. AB1, x\r\n#\r\n")));

    ToernooiModel gelezen;
    ASSERT_TRUE(ToernooiLezer::LeesToernooi(gelezen, tekst));
    EXPECT_EQ(gelezen.SchemaIndeling(), indeling);
    EXPECT_EQ(Tekst(gelezen), tekst);

    ToernooiLezer::LeesToernooi(gelezen, zonder + T("SchemaPlek=0,1,1,X\nSchemaPlek=1,1,1,\n"
                                                    "SchemaPlek=a,1,1,X\nSchemaPlek=2,1\n"));
    EXPECT_TRUE(gelezen.SchemaIndeling().Leeg());
    EXPECT_EQ(Tekst(gelezen), zonder);
    EXPECT_FALSE(ToernooiLezer::IsToernooiTekst(u"SchemaPlek=1,1,1,A x B\n"));
}

// Delays: set, replaced and taken away per round, refused out of range; saved last and read
// back; a reader that skips their lines gets the tournament without them, byte for byte.
TEST(UitloopGroep, DelaysAreSavedLastAndReadBack)
{
    ToernooiModel model;
    const QString zonder = Tekst(model);
    const QString kop3 = model.Velden().RondeKop(3);
    EXPECT_FALSE(model.ZetUitloop(0, 10));
    EXPECT_FALSE(model.ZetUitloop(3, MaxUitloopMinuten + 1));
    EXPECT_TRUE(model.ZetUitloop(5, 15));
    EXPECT_TRUE(model.ZetUitloop(3, 10));
    EXPECT_TRUE(model.ZetUitloop(7, 5));
    EXPECT_TRUE(model.ZetUitloop(7, 0));
    EXPECT_EQ(model.Uitloop(), (TUitloop{{3, 10}, {5, 15}}));
    EXPECT_EQ(model.Velden().RondeKop(3), T("Dag 1, Ronde 3 (10:00 - 10:20)"));
    EXPECT_EQ(model.Velden().RondeKop(5), T("Dag 1, Ronde 5 (11:05 - 11:25)"));
    EXPECT_EQ(model.Velden().RondeKop(21), T("Dag 2, Ronde 21 (09:00 - 09:20)"));
    const QString tekst = Tekst(model);
    EXPECT_TRUE(tekst.endsWith(T("#\r\nUitloop=3,10\r\nUitloop=5,15\r\n#\r\n")));

    ToernooiModel gelezen;
    ASSERT_TRUE(ToernooiLezer::LeesToernooi(gelezen, tekst));
    EXPECT_EQ(gelezen.Uitloop(), model.Uitloop());
    EXPECT_EQ(gelezen.Velden().RondeKop(5), model.Velden().RondeKop(5));
    EXPECT_EQ(Tekst(gelezen), tekst);

    QStringList regels = tekst.split(T("\r\n"));
    regels.removeIf([](const QString& regel) { return regel.startsWith(T("Uitloop=")); });
    regels.removeAt(regels.size() - 2); // the group's closing "#"
    EXPECT_EQ(regels.join(T("\r\n")), zonder);
    ASSERT_TRUE(ToernooiLezer::LeesToernooi(gelezen, regels.join(T("\r\n")) + T("Uitloop=x,5\nUitloop=4\n")));
    EXPECT_TRUE(gelezen.Uitloop().isEmpty());
    EXPECT_EQ(gelezen.Velden().RondeKop(3), kop3);
}
