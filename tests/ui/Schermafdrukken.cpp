// Draws every window of the program with the example tournament into PNG files, so their
// layout can be looked at without clicking through the program:
//   rondoplan_schermafdrukken <example.trn> <output folder>
#include "ui/indeling/TToevoegen.h"
#include "ui/instellingen/TVeldInvulling.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/programma/TAbout.h"
#include "ui/programma/TDialoogVraagsteller.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/THelpVenster.h"
#include "ui/programma/TProgramma.h"
#include "ui/programma/Vertaling.h"
#include "ui/schema/TWedstrijdSchema.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

bool alleGelukt = true;

void Bewaar(QWidget& venster, const QString& map, const QString& naam)
{
    venster.show();
    QTest::qWait(150);
    const QString pad = QDir(map).filePath(naam + QStringLiteral(".png"));
    if (!venster.grab().save(pad)) {
        std::fprintf(stderr, "rondoplan_schermafdrukken: %s kon niet worden geschreven\n",
                     qPrintable(pad));
        alleGelukt = false;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // Without a display the windows are drawn offscreen; the pictures come out the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recovery copies in a folder of their own: none is offered, none is left behind.
    QTemporaryDir gegevens;
    if (gegevens.isValid())
        qputenv("XDG_DATA_HOME", gegevens.path().toLocal8Bit());
    QApplication app(argc, argv);
    InstalleerNederlandseVertaling(app);
    if (argc < 3) {
        std::fprintf(stderr, "gebruik: rondoplan_schermafdrukken TOERNOOI.trn MAP\n");
        return 2;
    }
    const QString voorbeeld = QString::fromLocal8Bit(argv[1]);
    const QString map = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(map)) {
        std::fprintf(stderr, "rondoplan_schermafdrukken: de map %s kon niet worden gemaakt\n",
                     qPrintable(map));
        return 1;
    }

    TProgramma programma;
    programma.Start({voorbeeld});
    Bewaar(programma.About(), map, QStringLiteral("1-start"));
    programma.About().hide();

    TForm1& form = programma.Form1();
    const QStringList tabs{QStringLiteral("2-team-details"), QStringLiteral("3-poule-details"),
                           QStringLiteral("4-toernooi-details"), QStringLiteral("5-wedstrijd-details")};
    for (int tab = 0; tab < tabs.size(); ++tab) {
        form.Tabs()->setCurrentIndex(tab);
        Bewaar(form, map, tabs.at(tab));
    }
    // The schedule of the example, one team highlighted: the picture a software centre shows.
    form.WedstrijdTab()->Button1()->click();
    TWedstrijdSchema& schema = programma.WedstrijdSchema();
    if (auto* vetTeam = schema.findChild<QComboBox*>(QStringLiteral("VetTeam")); vetTeam && vetTeam->count() > 3)
        vetTeam->setCurrentIndex(3);
    schema.resize(900, 620);
    Bewaar(schema, map, QStringLiteral("11-wedstrijdschema"));
    schema.hide();
    Bewaar(programma.VeldInvulling(), map, QStringLiteral("6-veldgebruik"));
    programma.VeldInvulling().hide();
    Bewaar(programma.Toevoegen(), map, QStringLiteral("7-toevoegen"));
    programma.Toevoegen().hide();
    programma.Help().Toon(2);
    Bewaar(programma.Help(), map, QStringLiteral("8-help"));
    programma.Help().hide();

    QMessageBox vraag(QMessageBox::NoIcon, QStringLiteral("Waarschuwing!"),
                      TDialoogVraagsteller::SchermTekst(QStringLiteral(
                          "E-pupillen B is al verbonden met E-pupillen A.\n\rMag deze link verbroken worden?")),
                      QMessageBox::Yes | QMessageBox::No, &form);
    Bewaar(vraag, map, QStringLiteral("9-waarschuwing"));
    QMessageBox wijzigingen(QMessageBox::NoIcon, QStringLiteral("Wijzigingen!"),
                            TDialoogVraagsteller::SchermTekst(QStringLiteral(
                                "U heeft gegevens gewijzigd die nog niet zijn opgeslagen!\r\n\r\nWilt U deze nog opslaan?")),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &form);
    Bewaar(wijzigingen, map, QStringLiteral("10-wijzigingen"));
    return alleGelukt ? 0 : 1;
}
