#pragma once

#include "gui/afdruk/PdfPapier.h"

#include <QString>
#include <memory>

class QPrinter;

// The printer the schedule window measures its pages on and the print run prints to: the
// system's default printer, or, when no printer is installed, a PDF printer at 600 dpi on the
// PDF paper (A4 until the organiser chooses another), so the view can always be filled.
class HuidigePrinter
{
public:
    HuidigePrinter();
    ~HuidigePrinter();

    [[nodiscard]] QPrinter& Printer() { return *m_printer; }
    [[nodiscard]] const QPrinter& Printer() const { return *m_printer; }
    // The name of the installed printer in use, empty for the PDF printer.
    [[nodiscard]] QString Naam() const;
    // Switches to the installed printer of that name; false when no such printer is known.
    bool KiesPrinter(const QString& naam);
    // Switches to the PDF printer.
    void KiesPdf();
    [[nodiscard]] const PdfPapier& Papier() const { return m_papier; }
    // Remembers the paper of the PDF output; the PDF printer takes it at once when in use.
    void ZetPapier(const PdfPapier& papier);

private:
    std::unique_ptr<QPrinter> m_printer;
    PdfPapier m_papier;
};
