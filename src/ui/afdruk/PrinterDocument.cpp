#include "ui/afdruk/PrinterDocument.h"

#include "gui/afdruk/AfdrukDocument.h"

#include <QPrinter>

namespace PrinterDocument {

QString Druk(QPrinter& printer, const TAfdrukGegevens& gegevens,
             const PrintOpdrachten::TOpdracht& opdracht)
{
    printer.setDocName(opdracht.Titel);
    const QString naam = printer.outputFormat() == QPrinter::PdfFormat
                             ? printer.outputFileName()
                             : printer.printerName();
    return AfdrukDocument::Druk(printer, gegevens, opdracht.Soort, naam);
}

} // namespace PrinterDocument
