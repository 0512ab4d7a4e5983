#include "gui/afdruk/AfdrukDocument.h"

#include "core/afdruk/PaginaOpmaak.h"
#include "gui/afdruk/QPainterCanvas.h"

#include "core/bestand/BestandOpslag.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

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
    case PrintOpdrachten::TSoort::Scheidsrechters:
        return PaginaOpmaak::PrintScheidsrechters;
    case PrintOpdrachten::TSoort::Uitslagen:
        return PaginaOpmaak::PrintUitslagen;
    case PrintOpdrachten::TSoort::Kwaliteit:
        return PaginaOpmaak::PrintKwaliteit;
    case PrintOpdrachten::TSoort::Schema:
        break;
    }
    return PaginaOpmaak::PrintSchedule;
}

// Measures the page, counts the document's own pages and lays it out.
void LegUit(QPainter& painter, QPagedPaintDevice& apparaat, TAfdrukGegevens gegevens,
            PrintOpdrachten::TSoort soort)
{
    QPainterCanvas canvas(painter, apparaat);
    gegevens.Maten = TPaginaMaten::MeasurePage(canvas, gegevens.Fonts);
    const Document document = DocumentVan(soort);
    gegevens.PageCount = PaginaOpmaak::TelPaginas(canvas, gegevens, document);
    document(canvas, gegevens);
}

} // namespace

QString Druk(QPagedPaintDevice& apparaat, TAfdrukGegevens gegevens, PrintOpdrachten::TSoort soort,
             const QString& apparaatNaam)
{
    QPainter painter;
    if (!painter.begin(&apparaat))
        return QStringLiteral("Afdrukken op %1 is niet gelukt: het afdrukken kon niet beginnen.")
            .arg(apparaatNaam);
    LegUit(painter, apparaat, std::move(gegevens), soort);
    if (!painter.end())
        return QStringLiteral("Afdrukken op %1 is niet gelukt: het document kon niet worden afgesloten.")
            .arg(apparaatNaam);
    return {};
}

void DrukReeks(QPagedPaintDevice& apparaat, const QList<TDocument>& documenten)
{
    QPainter painter;
    if (!painter.begin(&apparaat))
        return;
    bool eerste = true;
    for (const TDocument& document : documenten) {
        if (!eerste)
            apparaat.newPage();
        eerste = false;
        LegUit(painter, apparaat, document.Gegevens, document.Soort);
    }
    painter.end();
}

QString DrukNaarPdf(const QString& pad, const TAfdrukGegevens& gegevens,
                    const PrintOpdrachten::TOpdracht& opdracht, const PdfPapier& papier)
{
    // The document is made in memory and written in one go, so a full disk leaves the
    // previous file as it was instead of half a document.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(opdracht.Titel);
        pdf.setCreator(QStringLiteral("Rondoplan"));
        pdf.setResolution(600);
        papier.PasToe(pdf);
        const QString fout = Druk(pdf, gegevens, opdracht.Soort, pad);
        if (!fout.isEmpty())
            return fout;
    }
    if (buffer.data().isEmpty())
        return QStringLiteral("Het bestand %1 kon niet worden geschreven.").arg(pad);
    const QString fout = BestandOpslag::Bewaar(pad, buffer.data());
    if (!fout.isEmpty())
        return QStringLiteral("Het bestand %1 kon niet worden geschreven: %2.").arg(pad, fout);
    return {};
}

} // namespace AfdrukDocument
