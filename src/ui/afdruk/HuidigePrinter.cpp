#include "ui/afdruk/HuidigePrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

HuidigePrinter::HuidigePrinter()
{
    const QPrinterInfo standaard = QPrinterInfo::defaultPrinter();
    if (standaard.isNull() || !KiesPrinter(standaard.printerName()))
        KiesPdf();
}

HuidigePrinter::~HuidigePrinter() = default;

QString HuidigePrinter::Naam() const
{
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        return {};
    return m_printer->printerName();
}

bool HuidigePrinter::KiesPrinter(const QString& naam)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(naam);
    if (info.isNull())
        return false;
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return true;
}

void HuidigePrinter::KiesPdf()
{
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setResolution(600);
    m_papier.PasToe(*m_printer);
}

void HuidigePrinter::ZetPapier(const PdfPapier& papier)
{
    m_papier = papier;
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        m_papier.PasToe(*m_printer);
}
