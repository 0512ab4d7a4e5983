#include "hulp/QtAfdrukken.h"
#include "hulp/VensterVraagsteller.h"
#include "instellingen/WedstrijdDetailsTab.h"
#include "model/ToernooiModel.h"
#include "programma/TForm1.h"
#include "programma/TProgramma.h"
#include "schema/BouwDriver.h"
#include "schema/TWedstrijdSchema.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
QString T(const char* tekst) { return QString::fromUtf8(tekst); }

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
    EXPECT_TRUE(hoofd.Model().SchemaGebouwd());
    EXPECT_EQ(schema.Weergave().Regels().first(), T("Jeugdtoernooi De Sprinters"));
    EXPECT_FALSE(programma.Bouw().Schema().Leeg());
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
