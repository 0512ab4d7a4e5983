#include "AfdrukDocument.h"

#include "PaginaOpmaak.h"
#include "QPainterCanvas.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace AfdrukDocument {

namespace {

using Document = void (*)(TCanvas&, const TAfdrukGegevens&);

Document DocumentVan(PrintOpdrachten::TSoort soort)
{
    switch (soort) {
    case PrintOpdrachten::TSoort::Poules:
        return PaginaOpmaak::PrintPoules;
    case PrintOpdrachten::TSoort::Briefjes:
        return PaginaOpmaak::PrintRefereeNotes;
    case PrintOpdrachten::TSoort::Kwaliteit:
        return PaginaOpmaak::PrintKwaliteit;
    case PrintOpdrachten::TSoort::Schema:
        break;
    }
    return PaginaOpmaak::PrintSchedule;
}

} // namespace

QString Druk(QPagedPaintDevice& apparaat, TAfdrukGegevens gegevens, PrintOpdrachten::TSoort soort,
             const QString& apparaatNaam)
{
    QPainter painter;
    if (!painter.begin(&apparaat))
        return QStringLiteral("Afdrukken op %1 is niet gelukt: het afdrukken kon niet beginnen.")
            .arg(apparaatNaam);
    QPainterCanvas canvas(painter, apparaat);
    gegevens.Maten = TPaginaMaten::MeasurePage(canvas, gegevens.Fonts);
    const Document document = DocumentVan(soort);
    gegevens.PageCount = PaginaOpmaak::TelPaginas(canvas, gegevens, document);
    document(canvas, gegevens);
    if (!painter.end())
        return QStringLiteral("Afdrukken op %1 is niet gelukt: het document kon niet worden afgesloten.")
            .arg(apparaatNaam);
    return {};
}

QString DrukOpPrinter(QPrinter& printer, const TAfdrukGegevens& gegevens,
                      const PrintOpdrachten::TOpdracht& opdracht)
{
    printer.setDocName(opdracht.Titel);
    const QString naam = printer.outputFormat() == QPrinter::PdfFormat
                             ? printer.outputFileName()
                             : printer.printerName();
    return Druk(printer, gegevens, opdracht.Soort, naam);
}

QString DrukNaarPdf(const QString& pad, const TAfdrukGegevens& gegevens,
                    const PrintOpdrachten::TOpdracht& opdracht)
{
    QPdfWriter pdf(pad);
    pdf.setTitle(opdracht.Titel);
    pdf.setCreator(QStringLiteral("Rondoplan"));
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    const QString fout = Druk(pdf, gegevens, opdracht.Soort, pad);
    if (!fout.isEmpty())
        return fout;
    const QFileInfo info(pad);
    if (!info.exists() || info.size() == 0)
        return QStringLiteral("Het bestand %1 kon niet worden geschreven.").arg(pad);
    return {};
}

} // namespace AfdrukDocument
