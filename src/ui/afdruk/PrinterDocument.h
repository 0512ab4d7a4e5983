#pragma once

#include "core/afdruk/PrintOpdrachten.h"
#include "core/afdruk/TAfdrukGegevens.h"

#include <QString>

class QPrinter;

// One printed document as a job on a printer, titled for the queue. An empty text when it
// worked, else the Dutch message naming the printer (or the PDF file of a PDF printer).
namespace PrinterDocument {

[[nodiscard]] QString Druk(QPrinter& printer, const TAfdrukGegevens& gegevens,
                           const PrintOpdrachten::TOpdracht& opdracht);

} // namespace PrinterDocument
