#pragma once

#include "core/afdruk/PrintOpdrachten.h"
#include "core/afdruk/TAfdrukGegevens.h"
#include "gui/afdruk/PdfPapier.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;

// Prints one document: measures the page on the device, counts the document's own pages so
// the footers can say "Pagina n van m", and lays it out. Returns an empty text when it
// worked, else a Dutch message.
namespace AfdrukDocument {

[[nodiscard]] QString Druk(QPagedPaintDevice& apparaat, TAfdrukGegevens gegevens,
                           PrintOpdrachten::TSoort soort, const QString& apparaatNaam);

// One document of a series: what it shows and which printout it is.
struct TDocument
{
    TAfdrukGegevens Gegevens;
    PrintOpdrachten::TSoort Soort = PrintOpdrachten::TSoort::Schema;
};

// Several documents one after the other on the same device, each from a new page and with
// its own page numbers and total, as they would come out as separate jobs. For the preview.
void DrukReeks(QPagedPaintDevice& apparaat, const QList<TDocument>& documenten);

// Into a PDF file at 600 dpi on the given paper.
[[nodiscard]] QString DrukNaarPdf(const QString& pad, const TAfdrukGegevens& gegevens,
                                  const PrintOpdrachten::TOpdracht& opdracht,
                                  const PdfPapier& papier = {});

} // namespace AfdrukDocument
