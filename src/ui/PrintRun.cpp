#include "PrintRun.h"

#include "AfdrukDocument.h"
#include "AfdrukInhoud.h"
#include "HuidigePrinter.h"
#include "TPrintSetup.h"
#include "TVraagsteller.h"
#include "TWedstrijdSchema.h"
#include "TSchemaBoom.h"
#include "ToernooiModel.h"
#include "uitslag/IngevuldSchema.h"
#include "uitslag/TWedstrijdDag.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>

PrintRun::PrintRun(ToernooiModel& model, const TSchemaBoom& schema, HuidigePrinter& printer,
                   TPrintSetup& dialoog, TWedstrijdSchema& venster, TVraagsteller& vragen)
    : m_model(model), m_schema(schema), m_printer(printer), m_dialoog(dialoog), m_venster(venster),
      m_vragen(vragen)
{
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
        // The match day is worked out afresh from the results kept with the tournament.
        const PrintOpdrachten::TKeuzes keuzes = m_dialoog.Keuzes();
        std::optional<TWedstrijdDag> dag;
        TSchemaBoom ingevuld;
        if (keuzes.Uitslagen || keuzes.NamenInvullen) {
            dag.emplace(m_model, m_schema);
            basis.Dag = &*dag;
        }
        if (keuzes.NamenInvullen) {
            ingevuld = IngevuldSchema(m_schema, *dag);
            basis.Schema = &ingevuld;
        }
        for (const auto& opdracht : opdrachten) {
            if (!fout.isEmpty())
                break;
            TAfdrukGegevens gegevens = basis;
            ZetVetTeam(gegevens, m_model, opdracht.VetTeamIndex);
            fout = pdf ? AfdrukDocument::DrukNaarPdf(
                             QDir(map).filePath(PrintOpdrachten::PdfNaam(opdracht.Titel)), gegevens, opdracht)
                       : AfdrukDocument::DrukOpPrinter(m_printer.Printer(), gegevens, opdracht);
            if (fout.isEmpty())
                ++gedrukt;
        }
        if (!fout.isEmpty())
            m_vragen.Melding(QStringLiteral("Fout"), fout);
    }
    m_venster.ShowSchedule();
    return gedrukt;
}
