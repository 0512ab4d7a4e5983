#include "ui/uitslag/TUitslagenVenster.h"

#include "core/document/ToernooiDocument.h"
#include "core/model/TPoule.h"
#include "core/model/TPouleDetails.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "core/uitslag/UitslagWijziging.h"
#include "ui/gemeen/VensterPlaatsing.h"
#include "ui/uitslag/StandModel.h"
#include "ui/uitslag/UitslagenModel.h"
#include "ui/uitslag/UitslagenTabel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

TUitslagenVenster::TUitslagenVenster(ToernooiDocument& document, TVraagsteller& vragen,
                                     QWidget* parent)
    : QWidget(parent), m_document(document), m_model(document.Model()),
      m_schema(document.Schema()), m_vragen(vragen)
{
    setObjectName(QStringLiteral("Uitslagen"));
    setWindowTitle(QStringLiteral("Uitslagen"));
    resize(1150, 650);

    auto* kolom = new QVBoxLayout(this);
    m_melding = new QLabel(QStringLiteral("Er is nog geen schema gebouwd. Bouw het schema met "
                                          "\"Bouw toernooi schema\" op het tabblad \"Wedstrijd "
                                          "details\" van het hoofdvenster; de uitslagen volgen "
                                          "dan vanzelf."),
                           this);
    m_melding->setObjectName(QStringLiteral("GeenSchema"));
    m_melding->setWordWrap(true);
    kolom->addWidget(m_melding);
    m_tabs = new QTabWidget(this);
    kolom->addWidget(m_tabs);

    m_uitslagen = new UitslagenModel(vragen, this);
    m_tabel = new UitslagenTabel(m_tabs);
    m_tabel->setObjectName(QStringLiteral("UitslagenTabel"));
    m_tabel->setModel(m_uitslagen);
    m_tabel->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabel->horizontalHeader()->setSectionResizeMode(UitslagenModel::Namen, QHeaderView::Stretch);
    m_tabel->verticalHeader()->setDefaultSectionSize(m_tabel->fontMetrics().height() + 6);
    m_tabs->addTab(m_tabel, QStringLiteral("Uitslagen"));

    auto* standPagina = new QWidget(m_tabs);
    auto* standKolom = new QVBoxLayout(standPagina);
    auto* punten = new QHBoxLayout;
    auto puntVeld = [&](const char* naam, const char* tekst) {
        punten->addWidget(new QLabel(QString::fromUtf8(tekst), standPagina));
        auto* veld = new QSpinBox(standPagina);
        veld->setObjectName(QString::fromUtf8(naam));
        veld->setRange(0, TPunten::Max);
        punten->addWidget(veld);
        connect(veld, &QSpinBox::valueChanged, this, &TUitslagenVenster::PuntenChange);
        return veld;
    };
    m_winst = puntVeld("PuntenWinst", "Punten voor winst:");
    m_gelijk = puntVeld("PuntenGelijk", "gelijkspel:");
    m_verlies = puntVeld("PuntenVerlies", "verlies:");
    punten->addStretch();
    standKolom->addLayout(punten);
    m_stand = new StandModel(this);
    m_standTabel = new QTableView(standPagina);
    m_standTabel->setObjectName(QStringLiteral("StandTabel"));
    m_standTabel->setModel(m_stand);
    m_standTabel->verticalHeader()->hide();
    m_standTabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_standTabel->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_standTabel->verticalHeader()->setDefaultSectionSize(m_standTabel->fontMetrics().height() + 6);
    m_standTabel->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_standTabel->setSelectionMode(QAbstractItemView::SingleSelection);
    standKolom->addWidget(m_standTabel);
    // Teams equal on every rule are put in order by the lot drawn: the selected team moves
    // one place, and the poule's order as shown becomes its lot order.
    auto* loting = new QHBoxLayout;
    loting->addWidget(new QLabel(QStringLiteral("Loting bij gelijke stand:"), standPagina));
    m_hoger = new QPushButton(QStringLiteral("Hoger"), standPagina);
    m_hoger->setObjectName(QStringLiteral("LotingHoger"));
    m_lager = new QPushButton(QStringLiteral("Lager"), standPagina);
    m_lager->setObjectName(QStringLiteral("LotingLager"));
    for (auto [knop, richting] : {std::pair{m_hoger, -1}, std::pair{m_lager, 1}}) {
        knop->setToolTip(QStringLiteral("Zet het gekozen team een plaats %1 in de loting van zijn poule")
                             .arg(richting < 0 ? QStringLiteral("hoger") : QStringLiteral("lager")));
        loting->addWidget(knop);
        connect(knop, &QPushButton::clicked, this, [this, r = richting] { Verschuif(r); });
    }
    loting->addStretch();
    standKolom->addLayout(loting);
    connect(m_standTabel->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TUitslagenVenster::ToonLoting);
    connect(m_stand, &QAbstractItemModel::dataChanged, this, &TUitslagenVenster::ToonLoting);
    connect(m_stand, &QAbstractItemModel::modelReset, this, &TUitslagenVenster::ToonLoting);
    m_tabs->addTab(standPagina, QStringLiteral("Stand"));

    connect(&m_model, &ToernooiModel::uitslagenVeranderd, this,
            &TUitslagenVenster::UitslagenVeranderd);
    // The match day refers to the teams and poules: a change of them makes it again.
    for (auto signaal : {&ToernooiModel::teamsVeranderd, &ToernooiModel::poulesVeranderd})
        connect(&m_model, signaal, this, [this] {
            if (m_dag)
                NieuweDag();
        });
    ToonPunten();
    ToonLoting();
    m_tabs->setEnabled(false);
}

TUitslagenVenster::~TUitslagenVenster()
{
    // The table models point into the match day; they let go of it first.
    m_uitslagen->ZetDag(nullptr, nullptr);
    m_stand->ZetDag(nullptr);
}

void TUitslagenVenster::Toon()
{
    if (!m_dag)
        NieuweDag();
    show();
    raise();
    activateWindow();
    if (m_dag && !m_tabel->currentIndex().isValid())
        m_tabel->GaNaarWedstrijd(0);
    m_tabel->setFocus();
}

void TUitslagenVenster::NieuweDag()
{
    m_uitslagen->ZetDag(nullptr, nullptr);
    m_stand->ZetDag(nullptr);
    m_dag.reset();
    if (m_document.SchemaGebouwd() && !m_schema.Leeg())
        m_dag = std::make_unique<TWedstrijdDag>(m_model, m_schema);
    m_uitslagen->ZetDag(m_dag.get(), &m_schema);
    m_stand->ZetDag(m_dag.get());
    m_melding->setVisible(!m_dag);
    m_tabs->setEnabled(m_dag != nullptr);
    ToonPunten();
}

void TUitslagenVenster::Vergeet()
{
    hide();
    m_uitslagen->ZetDag(nullptr, nullptr);
    m_stand->ZetDag(nullptr);
    m_dag.reset();
    m_melding->setVisible(true);
    m_tabs->setEnabled(false);
    ToonPunten();
}

void TUitslagenVenster::UitslagenVeranderd()
{
    ToonPunten();
    if (!m_dag)
        return;
    // A result entered in the table is already in the match day; anything else (the points,
    // a load) is read again whole.
    if (!m_uitslagen->Bezig()) {
        m_dag->LeesUitslagen();
        m_uitslagen->Ververs();
    }
    m_stand->Ververs();
}

void TUitslagenVenster::ToonPunten()
{
    const TPunten& punten = m_model.Uitslagen().Punten();
    for (auto [veld, waarde] : {std::pair{m_winst, punten.Winst}, std::pair{m_gelijk, punten.Gelijk},
                                std::pair{m_verlies, punten.Verlies}}) {
        const QSignalBlocker stil(veld);
        veld->setValue(waarde);
    }
}

void TUitslagenVenster::PuntenChange()
{
    const TPunten punten{m_winst->value(), m_gelijk->value(), m_verlies->value()};
    const auto wijziging = [&](TUitslagen& u) { return u.ZetPunten(punten); };
    // Other points can change the standings and so who played which placement match.
    if (!m_dag)
        m_model.WijzigUitslagen(wijziging, u"punten wijzigen");
    else if (!UitslagWijziging::Wijzig(*m_dag, m_vragen, wijziging, u"punten wijzigen"))
        ToonPunten();
}

void TUitslagenVenster::ToonLoting()
{
    const auto regel = m_stand->PouleRegel(m_standTabel->currentIndex().row());
    for (auto [knop, richting] : {std::pair{m_hoger, -1}, std::pair{m_lager, 1}})
        knop->setEnabled(m_dag && regel
                         && m_dag->VerschuifLoting(regel->first, regel->second, richting));
}

void TUitslagenVenster::Verschuif(int richting)
{
    const auto regel = m_stand->PouleRegel(m_standTabel->currentIndex().row());
    if (!m_dag || !regel)
        return;
    const auto posities = m_dag->VerschuifLoting(regel->first, regel->second, richting);
    if (!posities)
        return;
    const QString poule = m_model.PouleLijst()[std::size_t(regel->first)]->Details->PouleNaam;
    const int kolom = std::max(m_standTabel->currentIndex().column(), 0);
    if (!UitslagWijziging::Wijzig(*m_dag, m_vragen,
                                  [&](TUitslagen& u) { return u.ZetLoting(poule, *posities); },
                                  u"loting wijzigen"))
        return;
    // The team keeps the selection on its new place.
    const int rij = m_stand->Rij(regel->first, regel->second + richting);
    if (rij >= 0)
        m_standTabel->setCurrentIndex(m_stand->index(rij, kolom));
    ToonLoting();
}

void TUitslagenVenster::showEvent(QShowEvent* event)
{
    // Over the main window the first time, and always wholly on the screen.
    VensterPlaatsing::Plaats(*this, parentWidget(), VensterPlaatsing::Wijze::Over);
    QWidget::showEvent(event);
}
