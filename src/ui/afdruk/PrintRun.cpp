#include "ui/afdruk/PrintRun.h"

#include "core/afdruk/AfdrukInhoud.h"
#include "core/document/ToernooiDocument.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"
#include "core/schema/TSchemaBoom.h"
#include "core/uitslag/IngevuldSchema.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "gui/afdruk/AfdrukDocument.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/afdruk/PrinterDocument.h"
#include "ui/afdruk/TPrintSetup.h"
#include "ui/afdruk/TVoorbeeldVenster.h"
#include "ui/schema/TWedstrijdSchema.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>

namespace {

// The match day, worked out afresh from the results kept with the tournament, for the
// results printout and for the known names in place of placeholders. dag and ingevuld hold
// what basis then points to.
void VoegWedstrijdDagToe(ToernooiModel& model, const TSchemaBoom& schema,
                         const PrintOpdrachten::TKeuzes& keuzes, TAfdrukGegevens& basis,
                         std::optional<TWedstrijdDag>& dag, TSchemaBoom& ingevuld)
{
    if (keuzes.Uitslagen || keuzes.NamenInvullen) {
        dag.emplace(model, schema);
        basis.Dag = &*dag;
    }
    if (keuzes.NamenInvullen) {
        ingevuld = IngevuldSchema(schema, *dag);
        basis.Schema = &ingevuld;
    }
}

} // namespace

PrintRun::PrintRun(ToernooiDocument& document, HuidigePrinter& printer,
                   TPrintSetup& dialoog, TWedstrijdSchema& venster, TVraagsteller& vragen)
    : m_model(document.Model()), m_schema(document.Schema()),
      m_printer(printer), m_dialoog(dialoog), m_venster(venster),
      m_vragen(vragen)
{
    QObject::connect(&m_dialoog, &TPrintSetup::voorbeeldGevraagd, &m_dialoog,
                     [this] { Afdrukvoorbeeld(); });
}

void PrintRun::Afdrukvoorbeeld()
{
    const auto opdrachten =
        PrintOpdrachten::StelOp(m_dialoog.Keuzes(), m_dialoog.Teams(), m_model.ToernooiNaam());
    if (opdrachten.isEmpty()) {
        m_vragen.Melding(QStringLiteral("Afdrukvoorbeeld"),
                         QStringLiteral("Er is niets gekozen om af te drukken."));
        return;
    }
    TAfdrukGegevens basis =
        AfdrukInhoud(m_model, m_schema, m_venster.Maten(), m_venster.PrintDatum());
    std::optional<TWedstrijdDag> dag;
    TSchemaBoom ingevuld;
    VoegWedstrijdDagToe(m_model, m_schema, m_dialoog.Keuzes(), basis, dag, ingevuld);
    QList<AfdrukDocument::TDocument> documenten;
    for (const auto& opdracht : opdrachten) {
        AfdrukDocument::TDocument document{basis, opdracht.Soort};
        ZetVetTeam(document.Gegevens, m_model, opdracht.VetTeamIndex);
        documenten.append(document);
    }
    TVoorbeeldVenster venster(
        m_printer.Printer(),
        [&documenten](QPrinter& printer) { AfdrukDocument::DrukReeks(printer, documenten); },
        &m_dialoog);
    venster.exec();
}

int PrintRun::Print1Click()
{
    int gedrukt = 0;
    if (m_dialoog.RunPrintSetup()) {
        m_venster.MeasurePage();
        const auto opdrachten =
            PrintOpdrachten::StelOp(m_dialoog.Keuzes(), m_dialoog.Teams(), m_model.ToernooiNaam());
        QString map;
        const bool pdf = m_dialoog.PdfGekozen();
        if (pdf && !opdrachten.isEmpty())
            map = m_vragen.KiesMap(QStringLiteral("Map voor de PDF-bestanden"));
        const QString printerNaam = m_printer.Naam();
        QString fout;
        if (!pdf && !printerNaam.isEmpty() && QPrinterInfo::printerInfo(printerNaam).isNull())
            fout = QStringLiteral("De printer %1 is niet (meer) bekend. Er is niets geprint.").arg(printerNaam);
        if (pdf && map.isEmpty())
            fout = QStringLiteral("Er is geen map gekozen. Er is niets geprint.");
        if (opdrachten.isEmpty())
            fout.clear();
        TAfdrukGegevens basis =
            AfdrukInhoud(m_model, m_schema, m_venster.Maten(), m_venster.PrintDatum());
        std::optional<TWedstrijdDag> dag;
        TSchemaBoom ingevuld;
        VoegWedstrijdDagToe(m_model, m_schema, m_dialoog.Keuzes(), basis, dag, ingevuld);
        for (const auto& opdracht : opdrachten) {
            if (!fout.isEmpty())
                break;
            TAfdrukGegevens gegevens = basis;
            ZetVetTeam(gegevens, m_model, opdracht.VetTeamIndex);
            fout = pdf ? AfdrukDocument::DrukNaarPdf(
                             QDir(map).filePath(PrintOpdrachten::PdfNaam(opdracht.Titel)), gegevens, opdracht,
                             m_printer.Papier())
                       : PrinterDocument::Druk(m_printer.Printer(), gegevens, opdracht);
            if (fout.isEmpty())
                ++gedrukt;
        }
        if (!fout.isEmpty())
            m_vragen.Melding(QStringLiteral("Fout"), fout);
    }
    m_venster.ShowSchedule();
    return gedrukt;
}
