#include "Hulpbronnen.h"
#include "StartArgumenten.h"
#include "TAbout.h"
#include "TDialoogVraagsteller.h"
#include "TForm1.h"
#include "THelpVenster.h"
#include "TToevoegen.h"
#include "TVeldInvulling.h"
#include "ToernooiModel.h"
#include "Vertaling.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

void Centreer(QWidget& venster)
{
    if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
        QRect plek = venster.frameGeometry();
        plek.moveCenter(scherm->availableGeometry().center());
        venster.move(plek.topLeft());
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rondoplan"));
    QApplication::setApplicationDisplayName(QStringLiteral("Rondoplan"));
    QGuiApplication::setDesktopFileName(QStringLiteral("rondoplan"));
    // The program ends when the main window is closed, not when its last window goes.
    QApplication::setQuitOnLastWindowClosed(false);
    InstalleerNederlandseVertaling(app);

    // The windows in their fixed order; all but the start window stay hidden until asked for.
    TDialoogVraagsteller vraagsteller(nullptr, nullptr);
    TAbout about;
    TForm1 form1(vraagsteller);
    TToevoegen toevoegen(&form1);
    vraagsteller.ZetOuder(&form1);
    vraagsteller.ZetNaamDialoog(&toevoegen);
    TVeldInvulling veldInvulling(form1.Model(), &form1);
    form1.ZetVeldInvulling(&veldInvulling);
    THelpVenster help(&form1);
    help.ZetHelpBestand(Hulpbronnen::HelpDocument());
    form1.ZetHelpVenster(&help);
    QObject::connect(&form1, &TForm1::afgesloten, &app, &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(&about, &TAbout::gestart, &form1, &QWidget::show);

    const QString bestand = StartArgumenten::StartBestand(app.arguments().mid(1));
    if (!bestand.isEmpty())
        form1.LaadStartBestand(bestand);

    Centreer(about);
    about.show();
    const QString fout = about.LaadAfbeelding(Hulpbronnen::StartAfbeelding());
    if (!fout.isEmpty())
        vraagsteller.Melding(QStringLiteral("Fout"),
                             QStringLiteral("De afbeelding van het startvenster kan niet getoond worden.\n")
                                 + fout);
    return app.exec();
}
