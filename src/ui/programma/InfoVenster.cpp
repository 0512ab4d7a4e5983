#include "ui/programma/InfoVenster.h"

#include "core/programma/ProgrammaVersie.h"

#include <QMessageBox>

namespace InfoVenster {

QString Tekst()
{
    return QStringLiteral("<h3>Rondoplan %1</h3>"
                          "<p>Maakt het wedstrijdschema van een sporttoernooi: poules, velden, "
                          "rondes, afdrukken en uitslagen.</p>"
                          "<p>Gebouwd met Qt %2; draait met Qt %3.</p>")
        .arg(ProgrammaVersie(), QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()));
}

void Toon(QWidget* ouder)
{
    QMessageBox::about(ouder, QStringLiteral("Info"), Tekst());
}

} // namespace InfoVenster
