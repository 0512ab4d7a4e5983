#pragma once

#include "PrintOpdrachten.h"
#include "TAfdrukGegevens.h"

#include <QString>

class QPagedPaintDevice;
class QPrinter;

// Prints one document: measures the page on the device, counts the document's own pages so
// the footers can say "Pagina n van m", and lays it out. Returns an empty text when it
// worked, else a Dutch message.
namespace AfdrukDocument {

[[nodiscard]] QString Druk(QPagedPaintDevice& apparaat, TAfdrukGegevens gegevens,
                           PrintOpdrachten::TSoort soort, const QString& apparaatNaam);

// On a printer, as a job of the given title.
[[nodiscard]] QString DrukOpPrinter(QPrinter& printer, const TAfdrukGegevens& gegevens,
                                    const PrintOpdrachten::TOpdracht& opdracht);

// Into a PDF file on A4 at 600 dpi.
[[nodiscard]] QString DrukNaarPdf(const QString& pad, const TAfdrukGegevens& gegevens,
                                  const PrintOpdrachten::TOpdracht& opdracht);

} // namespace AfdrukDocument
