#include "ui/uitwisseling/TTeamsImporteren.h"

#include "core/programma/TVraagsteller.h"
#include "core/uitwisseling/Uitwisselbestanden.h"

#include <QBrush>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString Filter = QStringLiteral(
    "Teamlijst (*.csv *.txt)|*.csv;*.txt|Alles (*.*)|*.*");

enum Kolom { Regel, Team, Club, Poule, Uitkomst, AantalKolommen };

} // namespace

TTeamsImporteren::TTeamsImporteren(ToernooiModel& model, TVraagsteller& vraagsteller,
                                   QWidget* parent)
    : QDialog(parent), m_model(model), m_vraagsteller(vraagsteller)
{
    setObjectName(QStringLiteral("TTeamsImporteren"));
    setWindowTitle(QStringLiteral("Teams importeren"));
    setModal(true);
    resize(720, 420);

    auto* uitleg = new QLabel(
        QStringLiteral("Kies een CSV-bestand of plak regels uit een spreadsheet. De eerste regel "
                       "noemt de kolommen: ten minste \"Team\", en verder bijvoorbeeld \"Club\", "
                       "\"Adres\" of \"Poule\"."),
        this);
    uitleg->setWordWrap(true);
    auto* kiezen = new QPushButton(QStringLiteral("&Bestand kiezen…"), this);
    kiezen->setObjectName(QStringLiteral("BestandKiezen"));
    auto* plakken = new QPushButton(QStringLiteral("&Plakken"), this);
    plakken->setObjectName(QStringLiteral("Plakken"));
    m_bron = new QLabel(this);
    m_bron->setObjectName(QStringLiteral("Bron"));
    m_bron->setTextFormat(Qt::PlainText);
    auto* bronRij = new QHBoxLayout;
    bronRij->addWidget(kiezen);
    bronRij->addWidget(plakken);
    bronRij->addWidget(m_bron, 1);

    m_tabel = new QTableWidget(0, AantalKolommen, this);
    m_tabel->setObjectName(QStringLiteral("Voorbeeld"));
    m_tabel->setHorizontalHeaderLabels({QStringLiteral("Regel"), QStringLiteral("Team"),
                                        QStringLiteral("Club"), QStringLiteral("Poule"),
                                        QStringLiteral("Uitkomst")});
    m_tabel->verticalHeader()->hide();
    m_tabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabel->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabel->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabel->horizontalHeader()->setStretchLastSection(true);
    m_tabel->verticalHeader()->setDefaultSectionSize(m_tabel->fontMetrics().height() + 6);

    m_samenvatting = new QLabel(QStringLiteral("Nog geen teamlijst gekozen."), this);
    m_samenvatting->setObjectName(QStringLiteral("Samenvatting"));
    m_samenvatting->setTextFormat(Qt::PlainText);
    m_samenvatting->setWordWrap(true);

    m_toevoegen = new QPushButton(QStringLiteral("&Toevoegen"), this);
    m_toevoegen->setObjectName(QStringLiteral("Toevoegen"));
    m_toevoegen->setEnabled(false);
    m_annuleren = new QPushButton(QStringLiteral("Annuleren"), this);
    m_annuleren->setObjectName(QStringLiteral("Annuleren"));
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(m_toevoegen);
    knoppen->addWidget(m_annuleren);

    auto* kolom = new QVBoxLayout(this);
    kolom->addWidget(uitleg);
    kolom->addLayout(bronRij);
    kolom->addWidget(m_tabel, 1);
    kolom->addWidget(m_samenvatting);
    kolom->addLayout(knoppen);

    connect(kiezen, &QPushButton::clicked, this, &TTeamsImporteren::KiesBestand);
    connect(plakken, &QPushButton::clicked, this, &TTeamsImporteren::Plak);
    connect(m_toevoegen, &QPushButton::clicked, this, &TTeamsImporteren::ToevoegenClick);
    connect(m_annuleren, &QPushButton::clicked, this, &QDialog::reject);
}

void TTeamsImporteren::KiesBestand()
{
    const QString pad = m_vraagsteller.KiesTeOpenenBestand(Filter, QStringLiteral("csv"), m_startMap);
    if (!pad.isEmpty())
        ToonBestand(pad);
}

void TTeamsImporteren::Plak()
{
    const QClipboard* klembord = QGuiApplication::clipboard();
    const QString tekst = klembord ? klembord->text() : QString();
    m_bron->setToolTip(QString());
    if (tekst.trimmed().isEmpty()) {
        m_bron->setText(QStringLiteral("Geplakte tekst"));
        ToonFout(QStringLiteral("Het klembord bevat geen tekst."));
        return;
    }
    Toon(TeamImport::Voorbeeld(m_model, tekst), QStringLiteral("Geplakte tekst"));
}

void TTeamsImporteren::ToonBestand(const QString& pad)
{
    m_bron->setText(QFileInfo(pad).fileName());
    m_bron->setToolTip(pad);
    QByteArray bytes;
    if (const QString fout = Uitwisselbestanden::LeesLijst(pad, bytes); !fout.isEmpty()) {
        ToonFout(fout);
        return;
    }
    Toon(TeamImport::Voorbeeld(m_model, QByteArrayView(bytes)), QFileInfo(pad).fileName());
}

void TTeamsImporteren::ToonTekst(const QString& tekst)
{
    m_bron->setToolTip(QString());
    Toon(TeamImport::Voorbeeld(m_model, tekst), QStringLiteral("Geplakte tekst"));
}

QString TTeamsImporteren::UitkomstTekst(const TImportRij& rij)
{
    if (!rij.Geaccepteerd)
        return QStringLiteral("Geweigerd: ") + rij.Reden;
    if (rij.Reden.isEmpty())
        return QStringLiteral("Toegevoegd");
    return QStringLiteral("Toegevoegd; ") + rij.Reden;
}

QString TTeamsImporteren::SamenvattingTekst(const TImportVoorbeeld& voorbeeld)
{
    const int erbij = voorbeeld.AantalGeaccepteerd();
    const int geweigerd = int(voorbeeld.Rijen.size()) - erbij;
    QString tekst;
    if (erbij == 0)
        tekst = QStringLiteral("Er wordt geen team toegevoegd");
    else if (erbij == 1)
        tekst = QStringLiteral("1 team wordt toegevoegd");
    else
        tekst = QStringLiteral("%1 teams worden toegevoegd").arg(erbij);
    if (geweigerd > 0)
        tekst += QStringLiteral(", %1 geweigerd").arg(geweigerd);
    if (!voorbeeld.NieuwePoules.isEmpty())
        tekst += QStringLiteral("; nieuwe %1: %2")
                     .arg(voorbeeld.NieuwePoules.size() == 1 ? QStringLiteral("poule")
                                                             : QStringLiteral("poules"),
                          voorbeeld.NieuwePoules.join(QStringLiteral(", ")));
    return tekst + u'.';
}

void TTeamsImporteren::Toon(TImportVoorbeeld voorbeeld, const QString& bron)
{
    m_bron->setText(bron);
    if (!voorbeeld.Fout.isEmpty()) {
        ToonFout(QStringLiteral("Regel %1: %2 Er wordt niets toegevoegd.")
                     .arg(voorbeeld.FoutRegel)
                     .arg(voorbeeld.Fout));
        return;
    }
    m_voorbeeld = std::move(voorbeeld);
    m_tabel->setRowCount(0);
    m_tabel->setRowCount(int(m_voorbeeld.Rijen.size()));
    const QBrush geweigerd(QColor(0x99, 0x00, 0x00));
    for (int r = 0; r < m_tabel->rowCount(); ++r) {
        const TImportRij& rij = m_voorbeeld.Rijen.at(r);
        const QString waarden[AantalKolommen] = {QString::number(rij.Regel), rij.Team.TeamNaam,
                                                 rij.Team.ClubNaam, rij.Poule, UitkomstTekst(rij)};
        for (int k = 0; k < AantalKolommen; ++k) {
            auto* cel = new QTableWidgetItem(waarden[k]);
            if (!rij.Geaccepteerd)
                cel->setForeground(geweigerd);
            m_tabel->setItem(r, k, cel);
        }
    }
    m_samenvatting->setStyleSheet(QString());
    // A guessed encoding is said before the counts: the names may be read wrongly.
    m_samenvatting->setText(m_voorbeeld.Waarschuwing.isEmpty()
                                ? SamenvattingTekst(m_voorbeeld)
                                : m_voorbeeld.Waarschuwing + u' ' + SamenvattingTekst(m_voorbeeld));
    m_toevoegen->setEnabled(m_voorbeeld.AantalGeaccepteerd() > 0);
    if (m_toevoegen->isEnabled())
        m_toevoegen->setDefault(true);
}

void TTeamsImporteren::ToonFout(const QString& fout)
{
    // Nothing of an earlier list stays behind to be added by mistake.
    m_voorbeeld = TImportVoorbeeld{};
    m_voorbeeld.Fout = fout;
    m_tabel->setRowCount(0);
    m_samenvatting->setStyleSheet(QStringLiteral("color: #990000;"));
    m_samenvatting->setText(fout);
    m_toevoegen->setEnabled(false);
}

void TTeamsImporteren::ToevoegenClick()
{
    if (m_voorbeeld.AantalGeaccepteerd() == 0)
        return;
    TeamImport::Pas(m_model, m_voorbeeld);
    accept();
}
