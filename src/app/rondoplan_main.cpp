#include "core/programma/ProgrammaVersie.h"
#include "core/programma/StartArgumenten.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/TProgramma.h"
#include "ui/programma/Vertaling.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

namespace {

const char* const HulpTekst =
    "Gebruik: rondoplan [BESTAND]\n"
    "         rondoplan --help | --version\n"
    "\n"
    "Start Rondoplan, het programma voor het wedstrijdschema van een sporttoernooi, en opent\n"
    "het toernooibestand BESTAND als dat gegeven is. Een naam met spaties mag zonder\n"
    "aanhalingstekens gegeven worden: alle argumenten samen, met een spatie ertussen, vormen\n"
    "de naam.\n"
    "\n"
    "Opties (alleen als enig argument; een bestand dat zo heet, opent als ./--help):\n"
    "  -h, --help    Toont deze hulptekst.\n"
    "  --version     Toont het versienummer.\n"
    "\n"
    "Afsluitcodes:\n"
    "  0  het programma is afgesloten (een bestand dat niet gelezen kon worden, meldt het\n"
    "     venster)\n"
    "  1  de hulptekst of het versienummer kon niet geschreven worden\n";

// The help text and the version are answered before any window exists, so they work without
// a display.
bool BeantwoordOptie(int argc, char* argv[])
{
    QStringList argumenten;
    for (int i = 1; i < argc; ++i)
        argumenten.append(QString::fromLocal8Bit(argv[i]));
    switch (StartArgumenten::Optie(argumenten)) {
    case StartArgumenten::TStartOptie::Hulp:
        std::fputs(HulpTekst, stdout);
        return true;
    case StartArgumenten::TStartOptie::Versie:
        std::fputs(("rondoplan " + ProgrammaVersie().toUtf8() + '\n').constData(), stdout);
        return true;
    case StartArgumenten::TStartOptie::Geen:
        break;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (BeantwoordOptie(argc, argv))
        return std::fflush(stdout) == 0 ? 0 : 1;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rondoplan"));
    QApplication::setApplicationVersion(ProgrammaVersie());
    QGuiApplication::setDesktopFileName(QStringLiteral("rondoplan"));
    // The icon the package installs in the hicolor theme; window managers that do not read the
    // desktop file take it from the windows.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("rondoplan")));
    // The program ends when the main window is closed, not when its last window goes.
    QApplication::setQuitOnLastWindowClosed(false);
    InstalleerNederlandseVertaling(app);

    TProgramma programma;
    QObject::connect(&programma.Form1(), &TForm1::afgesloten, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    programma.Start(app.arguments().mid(1));
    return app.exec();
}
