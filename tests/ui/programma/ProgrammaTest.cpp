#include "core/document/BouwDriver.h"
#include "core/document/ToernooiDocument.h"
#include "core/model/ToernooiModel.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/SchemaTestHulp.h"
#include "hulp/Tekst.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/TProgramma.h"
#include "ui/schema/TWedstrijdSchema.h"
#include "ui/schema/Tprogress.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Saves a picture of a window when RONDOPLAN_SCHERMAFDRUKKEN names a folder, so the windows
// can be looked at as the organiser sees them.
void Schermafdruk(QWidget& venster, const char* naam)
{
    const QString map = qEnvironmentVariable("RONDOPLAN_SCHERMAFDRUKKEN");
    if (map.isEmpty())
        return;
    QDir().mkpath(map);
    venster.grab().save(QDir(map).filePath(QString::fromUtf8(naam)));
}
} // namespace

TEST(Programma, TheBuildButtonShowsTheScheduleOfTheLoadedTournament)
{
    VensterVraagsteller vragen;
    TProgramma programma(&vragen);
    programma.Start({QStringLiteral(RONDOPLAN_VOORBEELD)});
    TForm1& hoofd = programma.Form1();
    hoofd.show();
    ASSERT_FALSE(hoofd.Model().PouleLijst().empty());
    EXPECT_FALSE(hoofd.Model().Gewijzigd());

    QPushButton* bouw = hoofd.WedstrijdTab()->Button1();
    ASSERT_TRUE(bouw->isEnabled());
    bouw->click();
    TWedstrijdSchema& schema = programma.WedstrijdSchema();
    EXPECT_TRUE(schema.isVisible());
    EXPECT_TRUE(hoofd.Document().SchemaGebouwd());
    EXPECT_EQ(schema.Weergave().Regels().first(), T("Jeugdtoernooi De Sprinters"));
    EXPECT_FALSE(programma.Form1().Document().Schema().Leeg());
    EXPECT_TRUE(vragen.Fouten.isEmpty()) << vragen.Fouten.join(u'\n').toStdString();

    auto* vetTeam = schema.findChild<QComboBox*>(QStringLiteral("VetTeam"));
    ASSERT_GT(vetTeam->count(), 3);
    vetTeam->setCurrentIndex(3);
    EXPECT_FALSE(schema.Weergave().Markeringen().empty());
    schema.resize(760, 600);
    Schermafdruk(schema, "wedstrijdschema.png");

    // Nothing changed: the button shows the same schedule without building.
    const int regels = int(schema.Weergave().Regels().size());
    bouw->click();
    EXPECT_EQ(int(schema.Weergave().Regels().size()), regels);
    EXPECT_EQ(schema.VetTeamIndex(), 3);
}

TEST(Programma, AnnulerenStopsALongBuildAndKeepsThePreviousSchedule)
{
    VensterVraagsteller vragen;
    TProgramma programma(&vragen);
    programma.Start({});
    TForm1& hoofd = programma.Form1();
    hoofd.show();
    SchemaTestHulp::VoegPoulesToe(hoofd.Model(), {{"A", SchemaTestHulp::TeamReeks(1, 4)}});
    QPushButton* bouw = hoofd.WedstrijdTab()->Button1();
    bouw->click();
    const QString vorig = programma.Form1().Document().Schema().AlsTekst();
    ASSERT_FALSE(vorig.isEmpty());

    // A poule of 300 teams on 200 fields next to it: the builder would walk all 299 rounds
    // (minutes in a sanitizer build) before finding that it does not fit.
    SchemaTestHulp::VoegPoulesToe(hoofd.Model(), {{"Groot", SchemaTestHulp::TeamReeks(5, 304)}});
    hoofd.Model().ZetPouleDetails(hoofd.Model().PouleLijst().back()->Details.get(),
                                  TCompetitieType::HalveCompetitie, nullptr,
                                  TKruisPouleCompetitieType::EnkeleWedstrijden, 0);
    hoofd.Model().ZetGewoneVelden(200);
    hoofd.Model().ZetGewijzigd(true);

    auto* voortgang = hoofd.findChild<Tprogress*>();
    ASSERT_NE(voortgang, nullptr);
    auto* annuleren = voortgang->findChild<QPushButton*>(QStringLiteral("Annuleren"));
    ASSERT_NE(annuleren, nullptr);
    EXPECT_EQ(annuleren->text(), T("Annuleren"));
    bool geklikt = false;
    QElapsedTimer klok;
    QTimer kijk;
    kijk.setInterval(50);
    QObject::connect(&kijk, &QTimer::timeout, [&] {
        if (geklikt || !voortgang->isVisible())
            return;
        geklikt = true;
        klok.start();
        QTest::mouseClick(annuleren, Qt::LeftButton);
    });
    int gevraagd = 0;
    QObject::connect(voortgang, &Tprogress::annuleren, [&] { ++gevraagd; });
    kijk.start();
    bouw->click();
    kijk.stop();

    ASSERT_TRUE(geklikt);
    EXPECT_EQ(gevraagd, 1);
    EXPECT_LT(klok.elapsed(), 5000);
    EXPECT_FALSE(voortgang->isVisible());
    EXPECT_TRUE(vragen.Gevraagd.isEmpty()) << vragen.Gevraagd.value(0).Tekst.toStdString();
    EXPECT_EQ(programma.Form1().Document().Schema().AlsTekst(), vorig);
    EXPECT_TRUE(hoofd.Model().Gewijzigd());
}
