// Drives the desktop program for the crash test of the recovery copy (HerstelNaKillTest).
//
//   rondoplan_herstel_driver invoer TOERNOOI.trn
//       loads the tournament, builds the schedule, enters 7-5 for the first match of a poule
//       without a result through the results window's table, prints "RIJ <row>" and, once
//       the recovery copy is written, "GESCHREVEN <path>"; then waits to be killed.
//   rondoplan_herstel_driver herstel TOERNOOI.trn ROW
//       starts on the same file answering Ja to "Herstellen?", builds the schedule and checks
//       that the row shows 7-5 again and that the tournament is marked changed; exit 0 when so.
//
// Both run on the offscreen platform with the data folder the caller chose (XDG_DATA_HOME).
#include "core/bestand/ToernooiBestand.h"
#include "core/document/ToernooiDocument.h"
#include "core/herstel/HerstelKopie.h"
#include "core/model/ToernooiModel.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/TProgramma.h"
#include "ui/uitslag/TUitslagenVenster.h"
#include "ui/uitslag/UitslagenModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream uit(stdout);
QTextStream fout(stderr);

bool BouwSchema(TProgramma& programma)
{
    programma.Form1().WedstrijdTab()->Button1()->click();
    QCoreApplication::processEvents();
    return programma.Form1().Document().SchemaGebouwd();
}

QString Score(const UitslagenModel& tabel, int rij, UitslagenModel::TKolom kolom)
{
    return tabel.index(rij, kolom).data().toString();
}

int Invoer(const QString& toernooi)
{
    VensterVraagsteller vragen;
    TProgramma programma(&vragen);
    programma.Start({toernooi});
    if (!BouwSchema(programma)) {
        fout << "het schema is niet gebouwd\n";
        return 1;
    }
    TUitslagenVenster& venster = programma.UitslagenVenster();
    venster.Toon();
    UitslagenModel& tabel = venster.Uitslagen();
    int rij = -1;
    for (int i = 0; i < tabel.AantalWedstrijden() && rij < 0; ++i)
        if (!venster.Dag()->Wedstrijden()[std::size_t(i)].IsKruis() &&
            Score(tabel, i, UitslagenModel::Doelpunten1).isEmpty() &&
            Score(tabel, i, UitslagenModel::Doelpunten2).isEmpty())
            rij = i;
    if (rij < 0 || !programma.Herstel()) {
        fout << "geen lege wedstrijd of geen herstelkopie\n";
        return 1;
    }
    QString geschreven;
    QObject::connect(programma.Herstel(), &HerstelKopie::geschreven,
                     [&geschreven](const QString& pad) { geschreven = pad; });
    tabel.setData(tabel.index(rij, UitslagenModel::Doelpunten1), 7, Qt::EditRole);
    tabel.setData(tabel.index(rij, UitslagenModel::Doelpunten2), 5, Qt::EditRole);
    if (!programma.Form1().Model().Gewijzigd()) {
        fout << "de uitslag is niet ingevoerd\n";
        return 1;
    }
    uit << "RIJ " << rij << Qt::endl;
    QElapsedTimer klok;
    klok.start();
    while (geschreven.isEmpty() && klok.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (geschreven.isEmpty()) {
        fout << "de herstelkopie is niet geschreven\n";
        return 1;
    }
    uit << "GESCHREVEN " << geschreven << Qt::endl;
    // Waits for the kill; never for ever.
    while (klok.elapsed() < 180000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    fout << "niet gestopt\n";
    return 3;
}

int Herstel(const QString& toernooi, int rij)
{
    VensterVraagsteller vragen;
    vragen.Ja();
    TProgramma programma(&vragen);
    programma.Start({toernooi});
    int fouten = 0;
    auto controleer = [&](bool goed, const char* wat) {
        if (!goed) {
            fout << "fout: " << wat << '\n';
            ++fouten;
        }
    };
    const QList<ScriptVraagsteller::Vraag> berichten = vragen.Berichten();
    controleer(berichten.size() == 1 && berichten.first().Titel == QStringLiteral("Herstellen?"),
               "precies één vraag \"Herstellen?\"");
    controleer(vragen.Fouten.isEmpty(), "elke vraag beantwoord");
    ToernooiModel& model = programma.Form1().Model();
    controleer(model.Gewijzigd(), "het toernooi is gemarkeerd als gewijzigd");
    controleer(programma.Form1().Document().Pad() == QFileInfo(toernooi).absoluteFilePath(),
               "het toernooibestand is het oorspronkelijke");
    controleer(BouwSchema(programma), "het schema is gebouwd");
    TUitslagenVenster& venster = programma.UitslagenVenster();
    venster.Toon();
    const UitslagenModel& tabel = venster.Uitslagen();
    controleer(rij >= 0 && rij < tabel.AantalWedstrijden(), "de rij bestaat");
    controleer(Score(tabel, rij, UitslagenModel::Doelpunten1) == QStringLiteral("7") &&
                   Score(tabel, rij, UitslagenModel::Doelpunten2) == QStringLiteral("5"),
               "de uitslag 7-5 staat er weer");

    // The copy stays until the program ends cleanly: here with Nee to saving the changes.
    const QString kopie = programma.Herstel() ? programma.Herstel()->Pad() : QString();
    controleer(QFile::exists(kopie), "de herstelkopie staat er nog");
    vragen.Nee();
    programma.Form1().show();
    programma.Form1().close();
    controleer(!programma.Form1().isVisible() && !QFile::exists(kopie),
               "na het afsluiten is de herstelkopie weg");
    if (fouten == 0)
        uit << "HERSTELD" << Qt::endl;
    return fouten == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's own data folder name, as the desktop program sets it.
    QApplication::setApplicationName(QStringLiteral("Rondoplan"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList argumenten = app.arguments();
    if (argumenten.size() == 3 && argumenten[1] == QStringLiteral("invoer"))
        return Invoer(argumenten[2]);
    if (argumenten.size() == 4 && argumenten[1] == QStringLiteral("herstel"))
        return Herstel(argumenten[2], argumenten[3].toInt());
    fout << "gebruik: rondoplan_herstel_driver invoer TOERNOOI.trn | herstel TOERNOOI.trn RIJ\n";
    return 2;
}
