#include "ui/afdruk/TPrintSetup.h"

#include "core/model/ToernooiModel.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/afdruk/TPdfInstellingen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

const QString TPrintSetup::PdfBestand = QStringLiteral("PDF-bestand");

TPrintSetup::TPrintSetup(const ToernooiModel& model, HuidigePrinter& printer, QWidget* parent)
    : QDialog(parent), m_model(model), m_printer(printer)
{
    setObjectName(QStringLiteral("PrintSetup"));
    setWindowTitle(QStringLiteral("Printen"));
    auto* kolom = new QVBoxLayout(this);

    auto* printerRij = new QHBoxLayout;
    printerRij->addWidget(new QLabel(QStringLiteral("Printer:"), this));
    m_printerLijst = new QComboBox(this);
    m_printerLijst->setObjectName(QStringLiteral("PrinterLijst"));
    m_printerLijst->setMinimumContentsLength(24);
    printerRij->addWidget(m_printerLijst, 1);
    auto* instellingen = new QPushButton(QStringLiteral("Instellingen"), this);
    instellingen->setObjectName(QStringLiteral("Button1"));
    printerRij->addWidget(instellingen);
    kolom->addLayout(printerRij);

    auto* midden = new QHBoxLayout;
    auto* keuzes = new QVBoxLayout;
    auto maakVak = [this, keuzes](const char* naam, const char* tekst, bool aan) {
        auto* vak = new QCheckBox(QString::fromUtf8(tekst), this);
        vak->setObjectName(QString::fromUtf8(naam));
        vak->setChecked(aan);
        keuzes->addWidget(vak);
        return vak;
    };
    m_volSchema = maakVak("VolSchema", "Volledig schema.", true);
    m_poules = maakVak("Poules", "Poule indeling", false);
    m_perTeam = maakVak("PerTeam", "Schema per geselecteerd team highlighted.", false);
    m_briefjes = maakVak("scheidsrechterbriefjes", "Scheidsrechter briefjes.", false);
    m_uitslagen = maakVak("UitslagenEnStand", "Uitslagen en stand", false);
    // The referees' own printout: offered only while the tournament has referees assigned.
    m_scheidsrechters = maakVak("ScheidsrechtersAfdruk", "Scheidsrechters", false);
    m_scheidsrechters->hide();
    // Only results can name a placeholder's team: without any the box stays off.
    m_namenInvullen = maakVak("NamenInvullen", "Namen invullen", true);
    m_namenInvullen->setEnabled(false);
    keuzes->addStretch();
    midden->addLayout(keuzes);
    m_teamLijst = new QListWidget(this);
    m_teamLijst->setObjectName(QStringLiteral("TeamLijst"));
    m_teamLijst->setSelectionMode(QAbstractItemView::ExtendedSelection);
    midden->addWidget(m_teamLijst, 1);
    kolom->addLayout(midden);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    auto* printen = new QPushButton(QStringLiteral("Printen"), this);
    printen->setObjectName(QStringLiteral("Button2"));
    printen->setDefault(true);
    auto* annuleren = new QPushButton(QStringLiteral("Annuleren"), this);
    annuleren->setObjectName(QStringLiteral("Button3"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("Button4"));
    auto* voorbeeld = new QPushButton(QStringLiteral("Afdrukvoorbeeld"), this);
    voorbeeld->setObjectName(QStringLiteral("Afdrukvoorbeeld"));
    knoppen->insertWidget(0, voorbeeld);
    knoppen->addWidget(printen);
    knoppen->addWidget(annuleren);
    knoppen->addWidget(help);
    kolom->addLayout(knoppen);
    resize(560, 340);

    connect(printen, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit helpGevraagd(5); });
    connect(instellingen, &QPushButton::clicked, this, &TPrintSetup::Button1Click);
    connect(voorbeeld, &QPushButton::clicked, this, &TPrintSetup::voorbeeldGevraagd);
    connect(m_printerLijst, &QComboBox::activated, this, &TPrintSetup::PrinterLijstChange);
}

void TPrintSetup::FormShow()
{
    const int onthouden = m_printerLijst->currentIndex();
    {
        const QSignalBlocker stil(m_printerLijst);
        m_printerLijst->clear();
        m_printerLijst->addItems(QPrinterInfo::availablePrinterNames());
        m_printerLijst->addItem(PdfBestand);
        if (onthouden < 0) {
            const QString huidig = m_printer.Naam();
            const int plek = huidig.isEmpty() ? -1 : m_printerLijst->findText(huidig);
            m_printerLijst->setCurrentIndex(plek >= 0 ? plek : m_printerLijst->count() - 1);
        } else {
            m_printerLijst->setCurrentIndex(std::min(onthouden, m_printerLijst->count() - 1));
        }
    }
    if (onthouden >= 0)
        PrinterLijstChange(m_printerLijst->currentIndex());

    m_namenInvullen->setEnabled(!m_model.Uitslagen().Lijst().empty());
    m_scheidsrechters->setVisible(!m_model.Scheidsrechters().Toewijzingen.isEmpty());

    m_teamLijst->clear();
    for (const auto& team : m_model.TeamLijst())
        m_teamLijst->addItem(team->TeamNaam);
}

bool TPrintSetup::RunPrintSetup()
{
    FormShow();
    const bool printen = exec() == QDialog::Accepted;
    hide();
    return printen;
}

void TPrintSetup::PrinterLijstChange(int index)
{
    const QString naam = m_printerLijst->itemText(index);
    if (naam == PdfBestand) {
        m_printer.KiesPdf();
        return;
    }
    if (!m_printer.KiesPrinter(naam))
        emit printerOnbekend(naam);
}

void TPrintSetup::Button1Click()
{
    // The system's page setup refuses a PDF printer, so PDF gets a dialog of its own.
    if (PdfGekozen()) {
        TPdfInstellingen dialoog(m_printer.Papier(), this);
        if (dialoog.exec() == QDialog::Accepted)
            m_printer.ZetPapier(dialoog.Papier());
        return;
    }
    QPageSetupDialog dialoog(&m_printer.Printer(), this);
    dialoog.exec();
}

bool TPrintSetup::PdfGekozen() const
{
    return m_printerLijst->currentText() == PdfBestand;
}

PrintOpdrachten::TKeuzes TPrintSetup::Keuzes() const
{
    PrintOpdrachten::TKeuzes keuzes;
    keuzes.VolSchema = m_volSchema->isChecked();
    keuzes.Poules = m_poules->isChecked();
    keuzes.PerTeam = m_perTeam->isChecked();
    keuzes.Scheidsrechterbriefjes = m_briefjes->isChecked();
    keuzes.Uitslagen = m_uitslagen->isChecked();
    keuzes.Scheidsrechters = !m_scheidsrechters->isHidden() && m_scheidsrechters->isChecked();
    keuzes.NamenInvullen = m_namenInvullen->isEnabled() && m_namenInvullen->isChecked();
    for (int rij = 0; rij < m_teamLijst->count(); ++rij) {
        if (m_teamLijst->item(rij)->isSelected())
            keuzes.GeselecteerdeTeams.append(rij);
    }
    return keuzes;
}

QStringList TPrintSetup::Teams() const
{
    QStringList teams;
    for (int rij = 0; rij < m_teamLijst->count(); ++rij)
        teams.append(m_teamLijst->item(rij)->text());
    return teams;
}
