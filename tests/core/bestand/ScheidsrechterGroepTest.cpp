#include "core/bestand/ScheidsrechterGroep.h"

#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/model/ToernooiModel.h"
#include "hulp/Tekst.h"

#include <QFile>
#include <QRegularExpression>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

QString Tekst(const ToernooiModel& model)
{
    return ToernooiSchrijver::ToernooiTekst(model, QDateTime(QDate(2024, 5, 3), QTime(14, 3), QTimeZone::utc()),
                                            QLocale::c());
}

TScheidsrechters Voorbeeld()
{
    TScheidsrechters s;
    s.Teams = TScheidsTeams::Poules;
    s.Poules = {T("A"), T("B")};
    s.Personen = {{T("Jan de Vries"), {3, 4}}, {T("Els, scheids"), {}}};
    s.Wedstrijden = TScheidsPoules::AnderePoules;
    s.Rust = TScheidsRust::BlijftOpVeld;
    s.NietEigenClub = true;
    // Given out of schedule order: the model keeps them in it.
    s.Toewijzingen = {{5, 1, 1, T("1e&2e:Winnaar Kr. AB1 x Winnaar Kr. AB2"), T("Jan de Vries")},
                      {1, 2, 1, T("A : T1 x T2"), T("T5")},
                      {2, 1, 2, T("B : T5 x T6, zo"), T("Jan de Vries")}};
    return s;
}

} // namespace

// The group follows the kept schedule, reads back whole, and the model keeps the matches in
// schedule order; a tournament whose referees are taken away again is saved as before.
TEST(ScheidsrechterGroep, ReadsBackWholeAndLeavesNoTraceWhenEmpty)
{
    ToernooiModel model;
    QFile bestand(QStringLiteral(RONDOPLAN_SCHEMA_MAP "/kruis_4_4_dubbel.trn"));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    ToernooiLezer::LeesToernooiBytes(model, bestand.readAll());
    const QString zonder = Tekst(model);
    model.ZetSchemaIndeling({{{3, 1, 1, T("A : T1 x T2")}}});
    const QString metSchema = Tekst(model);

    model.ZetScheidsrechters(Voorbeeld());
    EXPECT_EQ(model.Scheidsrechters().Toewijzingen.constFirst().Ronde, 1);
    const QString tekst = Tekst(model);
    EXPECT_TRUE(tekst.startsWith(metSchema));
    EXPECT_EQ(tekst.sliced(metSchema.size()),
              T("ScheidsrechterTeams=Poules\r\nScheidsrechterPoule=A\r\nScheidsrechterPoule=B\r\n"
                "Scheidsrechter=Jan de Vries\r\nScheidsrechterAfwezig=3,4\r\nScheidsrechter=Els, scheids\r\n"
                "ScheidsrechterWedstrijden=AnderePoules\r\nScheidsrechterRust=BlijftOpVeld\r\n"
                "ScheidsrechterEigenClub=Nee\r\nFluiter=T5\r\nFluit=1,2,1,A : T1 x T2\r\n"
                "Fluiter=Jan de Vries\r\nFluit=2,1,2,B : T5 x T6, zo\r\n"
                "Fluit=5,1,1,1e&2e:Winnaar Kr. AB1 x Winnaar Kr. AB2\r\n#\r\n"));

    ToernooiModel gelezen;
    ASSERT_TRUE(ToernooiLezer::LeesToernooi(gelezen, tekst));
    EXPECT_EQ(gelezen.Scheidsrechters(), model.Scheidsrechters());
    EXPECT_EQ(Tekst(gelezen), tekst);

    model.ZetScheidsrechters({});
    EXPECT_EQ(Tekst(model), metSchema);
    model.ZetSchemaIndeling({});
    EXPECT_EQ(Tekst(model), zonder);

    // Lines that cannot be read take defaults or are left out, and never make a tournament.
    ToernooiLezer::LeesToernooi(gelezen, zonder + T("Fluit=1,1,1,A : T1 x T2\nScheidsrechterAfwezig=2\n"
                                                    "ScheidsrechterTeams=Iedereen\nFluiter=X\nFluit=0,1,1,Y\n"));
    EXPECT_TRUE(gelezen.Scheidsrechters().Leeg());
    EXPECT_FALSE(ToernooiLezer::IsToernooiTekst(u"Scheidsrechter=Jan\nFluiter=Jan\n"));
}

// A reader that knows only the keys before the group (here: the group's keys turned into
// unknown ones) skips it and reads the tournament without referees.
TEST(ScheidsrechterGroep, AnOlderReaderSkipsTheGroup)
{
    ToernooiModel model;
    QFile bestand(QStringLiteral(RONDOPLAN_SCHEMA_MAP "/kruis_4_4_dubbel.trn"));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    ToernooiLezer::LeesToernooiBytes(model, bestand.readAll());
    const QString zonder = Tekst(model);
    model.ZetScheidsrechters(Voorbeeld());
    QString tekst = Tekst(model);
    tekst.replace(QRegularExpression(QStringLiteral("^(Scheidsrechter|Fluit)"),
                                     QRegularExpression::MultilineOption),
                  QStringLiteral("Onbekend\\1"));
    ToernooiModel oud;
    ASSERT_TRUE(ToernooiLezer::LeesToernooi(oud, tekst));
    EXPECT_TRUE(oud.Scheidsrechters().Leeg());
    EXPECT_EQ(Tekst(oud), zonder);
}
