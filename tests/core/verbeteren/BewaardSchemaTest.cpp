#include "core/verbeteren/BewaardSchema.h"

#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/document/BouwDriver.h"
#include "core/document/ToernooiDocument.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/verbeteren/TSchemaVerbeteraar.h"
#include "hulp/ScriptVraagsteller.h"
#include "hulp/ToernooiHulp.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Voorbeeld : ::testing::Test
{
    void SetUp() override
    {
        QFile bestand(QStringLiteral(RONDOPLAN_VOORBEELDEN "/jeugdtoernooi.trn"));
        ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
        ASSERT_TRUE(ToernooiLezer::LeesToernooiBytes(model, bestand.readAll()));
        ASSERT_TRUE(driver.Button1Click());
        TSchemaVerbeteraar verbeteraar(model);
        verbeteraar.ZetInspanning(10);
        const TVerbeterUitkomst uitkomst = verbeteraar.Verbeter(document.Schema(), model.Uitslagen());
        ASSERT_TRUE(uitkomst.Verbeterd) << uitkomst.Melding.toStdString();
        verbeterd = uitkomst.Schema;
        eigen = document.Schema();
    }
    QByteArray Bytes() const
    {
        return ToernooiSchrijver::ToernooiBytes(model, ToernooiHulp::VasteKlok(), ToernooiHulp::VasteLocale());
    }

    ToernooiModel model;
    ToernooiDocument document{model};
    ScriptVraagsteller vragen;
    BouwDriver driver{document, vragen, {}};
    TSchemaBoom eigen;
    TSchemaBoom verbeterd;
};

} // namespace

// Kept, saved, loaded and built again, the improved schedule comes back exactly; it is one
// undo step; the file without it is the file of before.
TEST_F(Voorbeeld, TheKeptScheduleSurvivesSaveLoadBuildAndUndo)
{
    const QByteArray zonder = Bytes();
    int veranderd = 0;
    QObject::connect(&document, &ToernooiDocument::schemaVeranderd, [&veranderd] { ++veranderd; });
    model.ZetSchemaIndeling(BewaardSchema::Indeling(verbeterd), u"schema verbeteren");
    document.SluitStap();
    EXPECT_EQ(document.Schema(), verbeterd);
    EXPECT_EQ(document.EigenSchema(), eigen);
    EXPECT_EQ(veranderd, 1);

    const QByteArray met = Bytes();
    EXPECT_TRUE(met.startsWith(zonder));
    ToernooiModel gelezen;
    ToernooiDocument gelezenDocument{gelezen};
    ASSERT_TRUE(ToernooiLezer::LeesToernooiBytes(gelezen, met));
    BouwDriver gelezenDriver{gelezenDocument, vragen, {}};
    ASSERT_TRUE(gelezenDriver.Button1Click());
    EXPECT_EQ(gelezenDocument.Schema().AlsTekst(), verbeterd.AlsTekst());
    EXPECT_TRUE(vragen.Gevraagd.isEmpty());

    ASSERT_TRUE(document.OngedaanMaken());
    EXPECT_EQ(document.Schema(), eigen);
    EXPECT_EQ(Bytes(), zonder);
    ASSERT_TRUE(document.Herhalen());
    EXPECT_EQ(document.Schema(), verbeterd);
}

// A kept schedule that no longer fits the tournament is replaced only when the organiser
// agrees; a played match is never silently moved.
TEST_F(Voorbeeld, AKeptScheduleThatNoLongerFitsIsReplacedOnlyAfterAsking)
{
    model.ZetSchemaIndeling(BewaardSchema::Indeling(verbeterd));
    TPouleDetails* poule = model.PouleLijst().front()->Details.get();
    model.ZetPouleDetails(poule, poule->CompetitieType == TCompetitieType::HeleCompetitie
                                     ? TCompetitieType::HalveCompetitie
                                     : TCompetitieType::HeleCompetitie,
                          poule->KruisPoule, poule->KruisPouleCompetitieType, poule->MinimaleRust);
    QString reden;
    TSchemaBoom nieuw;
    ASSERT_TRUE(TSchemaBouwer(model).BouwSchema(nieuw).Gelukt);
    EXPECT_FALSE(BewaardSchema::PasToe(model, nieuw, model.SchemaIndeling(), &reden));
    EXPECT_TRUE(reden.startsWith(QStringLiteral("Het bewaarde schema past niet meer bij het toernooi: ")));

    vragen.Nee();
    EXPECT_FALSE(driver.Button1Click());
    ASSERT_EQ(vragen.Gevraagd.size(), 1);
    EXPECT_EQ(vragen.Gevraagd[0].Tekst, BouwDriver::BewaardVervaltVraag(reden));
    EXPECT_FALSE(model.SchemaIndeling().Leeg());
    EXPECT_EQ(document.Schema(), verbeterd);

    vragen.Ja();
    EXPECT_TRUE(driver.Button1Click());
    EXPECT_TRUE(model.SchemaIndeling().Leeg());
    EXPECT_EQ(document.Schema(), nieuw);
}
