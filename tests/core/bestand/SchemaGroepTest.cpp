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
