#include "ui/kwaliteit/TKwaliteitVenster.h"

#include "core/afdruk/AfdrukInhoud.h"
#include "core/document/ToernooiDocument.h"
#include "core/kwaliteit/KwaliteitTabel.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"
#include "gui/afdruk/AfdrukDocument.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/afdruk/PrinterDocument.h"
#include "ui/afdruk/TPrintSetup.h"
#include "ui/gemeen/VensterPlaatsing.h"
#include "ui/kwaliteit/KwaliteitModel.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Object names of the summary values, in the order of the summary lines.
const char* const SamenvattingNamen[] = {"Rondes",       "Ondergrens",   "Einde",
                                         "AchterElkaar", "AchterElkaarGrens", "LangsteWacht",
                                         "DrieOpRij"};

} // namespace

TKwaliteitVenster::TKwaliteitVenster(const ToernooiDocument& document, HuidigePrinter& printer, const TPrintSetup& printKeuze,
                                     TVraagsteller& vragen, PrintDatum printDatum, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(document.Model()), m_schema(document.Schema()),
      m_printer(printer),
      m_printKeuze(printKeuze), m_vragen(vragen), m_printDatum(std::move(printDatum))
{
    setObjectName(QStringLiteral("KwaliteitVenster"));
    setWindowTitle(QStringLiteral("Kwaliteit van het schema"));
    resize(560, 520);

    auto* kolom = new QVBoxLayout(this);
    m_samenvatting = new QFormLayout;
    for (const char* naam : SamenvattingNamen) {
        auto* waarde = new QLabel(this);
        waarde->setObjectName(QString::fromUtf8(naam));
        waarde->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_samenvatting->addRow(new QLabel(this), waarde);
    }
    kolom->addLayout(m_samenvatting);

    m_tabelModel = new KwaliteitModel(this);
    m_sorteer = new QSortFilterProxyModel(this);
    m_sorteer->setSourceModel(m_tabelModel);
    m_tabel = new QTableView(this);
    m_tabel->setObjectName(QStringLiteral("TeamTabel"));
    m_tabel->setModel(m_sorteer);
    m_tabel->setSortingEnabled(true);
    // Until a column header is clicked the teams stand in the order of the team list.
    m_tabel->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_tabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabel->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabel->verticalHeader()->hide();
    m_tabel->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    kolom->addWidget(m_tabel, 1);

    auto* knoppen = new QHBoxLayout;
    auto* print = new QPushButton(QStringLiteral("&Printen"), this);
    print->setObjectName(QStringLiteral("Printen"));
    auto* sluiten = new QPushButton(QStringLiteral("&Sluiten"), this);
    sluiten->setObjectName(QStringLiteral("Sluiten"));
    knoppen->addStretch();
    knoppen->addWidget(print);
    knoppen->addWidget(sluiten);
    kolom->addLayout(knoppen);

    connect(print, &QPushButton::clicked, this, [this] { Print(); });
    connect(sluiten, &QPushButton::clicked, this, &QWidget::close);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { emit helpGevraagd(8); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void TKwaliteitVenster::ToonKwaliteit()
{
    // Shown first, so the table is measured in the fonts and style it is shown in.
    show();
    Vernieuw();
    raise();
    activateWindow();
}

void TKwaliteitVenster::Vernieuw()
{
    m_kwaliteit = MeetKwaliteit(m_model, m_schema);
    const auto regels = KwaliteitTabel::Samenvatting(m_kwaliteit);
    for (int rij = 0; rij < int(regels.size()) && rij < m_samenvatting->rowCount(); ++rij) {
        if (auto* label = qobject_cast<QLabel*>(m_samenvatting->itemAt(rij, QFormLayout::LabelRole)->widget()))
            label->setText(regels[std::size_t(rij)].first);
        if (auto* waarde = qobject_cast<QLabel*>(m_samenvatting->itemAt(rij, QFormLayout::FieldRole)->widget()))
            waarde->setText(regels[std::size_t(rij)].second);
    }
    m_tabelModel->ZetKwaliteit(m_kwaliteit);
    m_tabel->resizeColumnsToContents();
    // Wide enough to show every column without scrolling sideways.
    const QHeaderView* kop = m_tabel->horizontalHeader();
    const QMargins rand = layout()->contentsMargins();
    VensterPlaatsing::MaakBreed(*this, kop->length() + 2 * m_tabel->frameWidth()
                                           + m_tabel->verticalScrollBar()->sizeHint().width()
                                           + rand.left() + rand.right());
}

bool TKwaliteitVenster::Print()
{
    Vernieuw();
    const auto opdracht = PrintOpdrachten::KwaliteitOpdracht(m_model.ToernooiNaam());
    TAfdrukGegevens gegevens = AfdrukInhoud(m_model, m_schema, TPaginaMaten{}, m_printDatum());
    gegevens.Kwaliteit = &m_kwaliteit;
    QString fout;
    // Without an installed printer the print dialog can only have offered PDF files.
    if (m_printKeuze.PdfGekozen() || m_printer.Naam().isEmpty()) {
        const QString map = m_vragen.KiesMap(QStringLiteral("Map voor de PDF-bestanden"));
        fout = map.isEmpty()
                   ? QStringLiteral("Er is geen map gekozen. Er is niets geprint.")
                   : AfdrukDocument::DrukNaarPdf(QDir(map).filePath(PrintOpdrachten::PdfNaam(opdracht.Titel)),
                                                 gegevens, opdracht, m_printer.Papier());
    } else {
        const QString naam = m_printer.Naam();
        fout = !naam.isEmpty() && QPrinterInfo::printerInfo(naam).isNull()
                   ? QStringLiteral("De printer %1 is niet (meer) bekend. Er is niets geprint.").arg(naam)
                   : PrinterDocument::Druk(m_printer.Printer(), gegevens, opdracht);
    }
    if (fout.isEmpty())
        return true;
    m_vragen.Melding(QStringLiteral("Fout"), fout);
    return false;
}

void TKwaliteitVenster::showEvent(QShowEvent* event)
{
    VensterPlaatsing::Plaats(*this, parentWidget(), VensterPlaatsing::Wijze::Naast);
    QWidget::showEvent(event);
}
