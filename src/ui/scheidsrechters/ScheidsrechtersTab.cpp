#include "ui/scheidsrechters/ScheidsrechtersTab.h"

#include "core/document/ToernooiDocument.h"
#include "core/model/TPoule.h"
#include "core/model/TTeamDetails.h"
#include "core/programma/TVraagsteller.h"
#include "core/scheidsrechters/HandToewijzing.h"
#include "core/scheidsrechters/RondeLijst.h"
#include "core/scheidsrechters/TScheidsOpzet.h"
#include "ui/scheidsrechters/ToewijzingModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString Titel = QStringLiteral("Scheidsrechters");
// A list of matches without a referee in a message stops after this many lines.
constexpr int MaxOpenRegels = 15;

QComboBox* MaakKeuze(const char* naam, const QStringList& teksten, QWidget* ouder)
{
    auto* keuze = new QComboBox(ouder);
    keuze->setObjectName(QString::fromLatin1(naam));
    keuze->addItems(teksten);
    // The list of matches needs the width more than the long choices do; the open list shows
    // them whole.
    keuze->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    keuze->setMinimumContentsLength(10);
    return keuze;
}

QString PersoonTekst(const TScheidsPersoon& persoon)
{
    if (persoon.Afwezig.isEmpty())
        return persoon.Naam;
    return QStringLiteral("%1 (afwezig: %2)").arg(persoon.Naam, RondeLijst::Tekst(persoon.Afwezig));
}

} // namespace

ScheidsrechtersTab::ScheidsrechtersTab(ToernooiDocument& document, TVraagsteller& vraagsteller, QWidget* parent)
    : QWidget(parent), m_document(document), m_vraagsteller(vraagsteller)
{
    setObjectName(QStringLiteral("Scheidsrechters"));
    MaakBediening();
    Verbind();
}

void ScheidsrechtersTab::MaakBediening()
{
    m_teamsKeuze = MaakKeuze("TeamsKeuze",
                             {QStringLiteral("Geen teams"), QStringLiteral("Alle teams"),
                              QStringLiteral("Teams van gekozen poules")},
                             this);
    m_poules = new QListWidget(this);
    m_poules->setObjectName(QStringLiteral("PouleKeuze"));
    m_personen = new QListWidget(this);
    m_personen->setObjectName(QStringLiteral("Personen"));
    m_persoonToevoegen = new QPushButton(QStringLiteral("+"), this);
    m_persoonToevoegen->setToolTip(QStringLiteral("Scheidsrechter met naam toevoegen"));
    m_persoonToevoegen->setFixedWidth(m_persoonToevoegen->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 24);
    m_persoonToevoegen->setObjectName(QStringLiteral("PersoonToevoegen"));
    m_persoonVerwijderen = new QPushButton(QStringLiteral("-"), this);
    m_persoonVerwijderen->setToolTip(QStringLiteral("Gekozen scheidsrechter verwijderen"));
    m_persoonVerwijderen->setFixedWidth(m_persoonToevoegen->width());
    m_persoonVerwijderen->setObjectName(QStringLiteral("PersoonVerwijderen"));
    m_afwezig = new QLineEdit(this);
    m_afwezig->setObjectName(QStringLiteral("Afwezig"));
    m_afwezig->setPlaceholderText(QStringLiteral("bijv. 3, 5-7"));
    m_afwezig->setToolTip(QStringLiteral("De ronden waarin de gekozen scheidsrechter er niet is"));
    m_wedstrijdenKeuze = MaakKeuze("WedstrijdenKeuze",
                                   {QStringLiteral("Alle poules"), QStringLiteral("Alleen de eigen poule"),
                                    QStringLiteral("Alleen andere poules")},
                                   this);
    m_rustKeuze = MaakKeuze("RustKeuze",
                            {QStringLiteral("Geen voorkeur"),
                             QStringLiteral("Niet vlak voor of na de eigen wedstrijd"),
                             QStringLiteral("Blijft op het veld na de eigen wedstrijd")},
                            this);
    m_nietEigenClub = new QCheckBox(QStringLiteral("Niet bij de eigen club"), this);
    m_nietEigenClub->setObjectName(QStringLiteral("NietEigenClub"));
    m_toewijzen = new QPushButton(QStringLiteral("Toewijzen"), this);
    m_toewijzen->setObjectName(QStringLiteral("Toewijzen"));
    m_stand = new QLabel(this);
    m_stand->setObjectName(QStringLiteral("ToewijzingStand"));
    m_stand->setWordWrap(true);

    m_tabelModel = new ToewijzingModel(this);
    m_tabel = new QTableView(this);
    m_tabel->setObjectName(QStringLiteral("ToewijzingTabel"));
    m_tabel->setModel(m_tabelModel);
    m_tabel->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabel->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabel->verticalHeader()->hide();
    m_tabel->verticalHeader()->setDefaultSectionSize(m_tabel->fontMetrics().height() + 4);
    m_tabel->horizontalHeader()->setStretchLastSection(true);
    m_tabel->setWordWrap(false);
    m_handKeuze = new QComboBox(this);
    m_handKeuze->setObjectName(QStringLiteral("HandKeuze"));
    m_handKeuze->setToolTip(QStringLiteral("De scheidsrechter van de gekozen wedstrijd"));

    // Left: who referees; middle: the rules and the button; right: the matches.
    auto* wie = new QGridLayout;
    wie->setVerticalSpacing(2);
    wie->addWidget(new QLabel(QStringLiteral("Teams:"), this), 0, 0);
    wie->addWidget(m_teamsKeuze, 0, 1);
    wie->addWidget(m_poules, 1, 0, 1, 2);
    auto* persoonKnoppen = new QHBoxLayout;
    persoonKnoppen->addWidget(new QLabel(QStringLiteral("Met naam:"), this), 1);
    persoonKnoppen->addWidget(m_persoonToevoegen);
    persoonKnoppen->addWidget(m_persoonVerwijderen);
    wie->addLayout(persoonKnoppen, 2, 0, 1, 2);
    wie->addWidget(m_personen, 3, 0, 1, 2);
    wie->addWidget(new QLabel(QStringLiteral("Afwezig:"), this), 4, 0);
    wie->addWidget(m_afwezig, 4, 1);
    wie->setColumnMinimumWidth(1, 110);

    auto* regels = new QVBoxLayout;
    regels->setSpacing(2);
    regels->addWidget(new QLabel(QStringLiteral("Wedstrijden:"), this));
    regels->addWidget(m_wedstrijdenKeuze);
    regels->addWidget(new QLabel(QStringLiteral("Rond de eigen wedstrijd:"), this));
    regels->addWidget(m_rustKeuze);
    regels->addWidget(m_nietEigenClub);
    regels->addWidget(m_toewijzen);
    regels->addWidget(m_stand, 1);

    auto* wedstrijden = new QVBoxLayout;
    wedstrijden->setSpacing(2);
    wedstrijden->addWidget(m_tabel, 1);
    auto* hand = new QHBoxLayout;
    auto* handLabel = new QLabel(QStringLiteral("&Scheidsrechter:"), this);
    handLabel->setBuddy(m_handKeuze);
    hand->addWidget(handLabel);
    hand->addWidget(m_handKeuze, 1);
    wedstrijden->addLayout(hand);

    auto* indeling = new QHBoxLayout(this);
    indeling->setContentsMargins(6, 4, 6, 4);
    indeling->addLayout(wie, 0);
    indeling->addLayout(regels, 0);
    indeling->addLayout(wedstrijden, 1);
}

void ScheidsrechtersTab::Verbind()
{
    ToernooiModel& model = m_document.Model();
    connect(m_teamsKeuze, &QComboBox::activated, this, [this](int keuze) {
        WijzigRegels([keuze](TScheidsrechters& r) { r.Teams = TScheidsTeams(keuze); }, u"scheidsrechters wijzigen");
    });
    connect(m_wedstrijdenKeuze, &QComboBox::activated, this, [this](int keuze) {
        WijzigRegels([keuze](TScheidsrechters& r) { r.Wedstrijden = TScheidsPoules(keuze); },
                     u"scheidsrechters wijzigen");
    });
    connect(m_rustKeuze, &QComboBox::activated, this, [this](int keuze) {
        WijzigRegels([keuze](TScheidsrechters& r) { r.Rust = TScheidsRust(keuze); }, u"scheidsrechters wijzigen");
    });
    connect(m_nietEigenClub, &QCheckBox::clicked, this, [this](bool aan) {
        WijzigRegels([aan](TScheidsrechters& r) { r.NietEigenClub = aan; }, u"scheidsrechters wijzigen");
    });
    connect(m_poules, &QListWidget::itemChanged, this, [this] {
        if (m_bezig)
            return;
        QStringList gekozen;
        for (int i = 0; i < m_poules->count(); ++i) {
            if (m_poules->item(i)->checkState() == Qt::Checked)
                gekozen.append(m_poules->item(i)->text());
        }
        WijzigRegels([&gekozen](TScheidsrechters& r) { r.Poules = gekozen; }, u"scheidsrechters wijzigen");
    });
    connect(m_persoonToevoegen, &QPushButton::clicked, this, &ScheidsrechtersTab::VoegPersoonToe);
    connect(m_persoonVerwijderen, &QPushButton::clicked, this, &ScheidsrechtersTab::VerwijderPersoon);
    connect(m_personen, &QListWidget::currentRowChanged, this, &ScheidsrechtersTab::ToonAfwezig);
    connect(m_afwezig, &QLineEdit::editingFinished, this, &ScheidsrechtersTab::ZetAfwezig);
    connect(m_toewijzen, &QPushButton::clicked, this, &ScheidsrechtersTab::Toewijzen);
    connect(m_tabel->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ScheidsrechtersTab::ToonHandKeuze);
    connect(m_handKeuze, &QComboBox::activated, this, &ScheidsrechtersTab::WijzigHand);

    connect(&m_document, &ToernooiDocument::scheidsrechtersVeranderd, this, [this] {
        m_verouderd = true;
        if (isVisible())
            Vernieuw();
    });
    // Reasons of the last assignment belong to the schedule it was made on.
    connect(&m_document, &ToernooiDocument::schemaVeranderd, this, [this] {
        m_redenen.clear();
        m_verouderd = true;
        if (isVisible())
            Vernieuw();
    });
    // Poules renamed or removed change the list to choose from, which no referee change says.
    connect(&model, &ToernooiModel::poulesVeranderd, this, [this] {
        m_verouderd = true;
        if (isVisible())
            Vernieuw();
    });
}

void ScheidsrechtersTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_verouderd)
        Vernieuw();
}

void ScheidsrechtersTab::Vernieuw()
{
    if (m_bezig)
        return;
    m_verouderd = false;
    // Every row and choice names its referee: the attendants are looked up once.
    m_begeleiders.clear();
    for (const auto& team : m_document.Model().TeamLijst()) {
        if (!team->BegeleiderNaam.trimmed().isEmpty())
            m_begeleiders.insert(team->TeamNaam, team->BegeleiderNaam.trimmed());
    }
    ToonInstellingen();
    ToonToewijzing();
}

void ScheidsrechtersTab::ToonInstellingen()
{
    const TScheidsrechters& regels = m_document.Model().Scheidsrechters();
    m_bezig = true;
    m_teamsKeuze->setCurrentIndex(int(regels.Teams));
    m_wedstrijdenKeuze->setCurrentIndex(int(regels.Wedstrijden));
    m_rustKeuze->setCurrentIndex(int(regels.Rust));
    m_nietEigenClub->setChecked(regels.NietEigenClub);

    m_poules->clear();
    for (const auto& poule : m_document.Model().PouleLijst()) {
        auto* item = new QListWidgetItem(poule->Details->PouleNaam, m_poules);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(regels.Poules.contains(poule->Details->PouleNaam) ? Qt::Checked : Qt::Unchecked);
    }
    m_poules->setEnabled(regels.Teams == TScheidsTeams::Poules);

    const int rij = m_personen->currentRow();
    m_personen->clear();
    for (const TScheidsPersoon& persoon : regels.Personen)
        m_personen->addItem(PersoonTekst(persoon));
    m_personen->setCurrentRow(std::min(rij, int(m_personen->count()) - 1));
    m_bezig = false;
    ToonAfwezig();
}

QString ScheidsrechtersTab::Getoond(const QString& naam) const
{
    const QString begeleider = m_begeleiders.value(naam);
    return begeleider.isEmpty() ? naam : QStringLiteral("%1 (%2)").arg(naam, begeleider);
}

void ScheidsrechtersTab::ToonToewijzing()
{
    const TScheidsrechters& regels = m_document.Model().Scheidsrechters();
    // The row chosen stays chosen: the same match, wherever it stands now.
    std::pair<QString, int> gekozen;
    if (const QModelIndex huidig = m_tabel->currentIndex(); huidig.isValid()) {
        const ToewijzingModel::TRij& rij = m_tabelModel->Rijen()[huidig.row()];
        gekozen = {rij.Tekst, rij.Keer};
    }

    QList<ToewijzingModel::TRij> rijen;
    int metScheidsrechter = 0;
    int open = 0;
    if (m_document.SchemaGebouwd()) {
        const TScheidsUitkomst& uitkomst = m_document.Scheidsrechters();
        QHash<std::pair<QString, int>, QString> namen;
        for (const TScheidsToewijzing& t : uitkomst.Toewijzingen)
            namen.insert({t.Tekst, t.Keer}, t.Naam);
        // The last assignment's reasons hold while nothing changed since.
        if (m_redenenVoor != std::pair(m_document.BouwNummer(), regels))
            m_redenen.clear();
        QHash<std::pair<QString, int>, QString> redenen = m_redenen;
        for (qsizetype i = 0; i < uitkomst.Open.size(); ++i)
            redenen.insert({uitkomst.Open[i].Tekst, uitkomst.Open[i].Keer}, uitkomst.Redenen.value(i));
        const TScheidsOpzet opzet(m_document.Model(), m_document.Schema(), regels);
        for (const TScheidsOpzet::TWedstrijd& w : opzet.Wedstrijden()) {
            ToewijzingModel::TRij rij{w.Ronde, w.Veld, w.Keer, w.Tekst, namen.value({w.Tekst, w.Keer}), {}, {}};
            rij.Getoond = Getoond(rij.Naam);
            if (rij.Naam.isEmpty()) {
                rij.Opmerking = redenen.value({w.Tekst, w.Keer});
                ++open;
            } else {
                ++metScheidsrechter;
            }
            rijen.append(std::move(rij));
        }
    }
    m_tabelModel->ZetRijen(rijen);
    for (int i = 0; i < rijen.size(); ++i) {
        if (rijen[i].Tekst == gekozen.first && rijen[i].Keer == gekozen.second) {
            m_tabel->setCurrentIndex(m_tabelModel->index(i, ToewijzingModel::Scheidsrechter));
            break;
        }
    }
    m_tabel->resizeColumnsToContents();

    if (!m_document.SchemaGebouwd())
        m_stand->setText(QStringLiteral("Bouw eerst het toernooi schema."));
    else if (!regels.HeeftScheidsrechters())
        m_stand->setText(QStringLiteral("Kies wie er fluiten."));
    else if (metScheidsrechter == 0)
        m_stand->setText(QStringLiteral("Nog niet toegewezen."));
    else if (open == 0)
        m_stand->setText(QStringLiteral("Elke wedstrijd heeft een scheidsrechter."));
    else
        m_stand->setText(QStringLiteral("%1 van de %2 wedstrijden zonder scheidsrechter.")
                             .arg(open)
                             .arg(open + metScheidsrechter));
    ToonHandKeuze();
}

void ScheidsrechtersTab::ToonHandKeuze()
{
    m_handKeuze->clear();
    const QModelIndex huidig = m_tabel->currentIndex();
    if (!huidig.isValid() || !m_document.SchemaGebouwd()) {
        m_handKeuze->setEnabled(false);
        return;
    }
    m_handKeuze->setEnabled(true);
    m_handKeuze->addItem(QStringLiteral("(geen)"), QString());
    const TScheidsOpzet opzet(m_document.Model(), m_document.Schema(), m_document.Model().Scheidsrechters());
    for (const TScheidsOpzet::TFluiter& fluiter : opzet.Fluiters())
        m_handKeuze->addItem(Getoond(fluiter.Naam), fluiter.Naam);
    const QString naam = m_tabelModel->Rijen()[huidig.row()].Naam;
    const int plek = m_handKeuze->findData(naam);
    // A referee who is none any more (a team no longer chosen) shows as it stands.
    if (plek < 0) {
        m_handKeuze->addItem(Getoond(naam), naam);
        m_handKeuze->setCurrentIndex(m_handKeuze->count() - 1);
    } else {
        m_handKeuze->setCurrentIndex(plek);
    }
}

void ScheidsrechtersTab::ToonAfwezig()
{
    const int rij = m_personen->currentRow();
    const auto& personen = m_document.Model().Scheidsrechters().Personen;
    const bool gekozen = rij >= 0 && rij < personen.size();
    m_afwezig->setEnabled(gekozen);
    m_persoonVerwijderen->setEnabled(gekozen);
    m_afwezig->setText(gekozen ? RondeLijst::Tekst(personen[rij].Afwezig) : QString());
}

void ScheidsrechtersTab::WijzigRegels(const std::function<void(TScheidsrechters&)>& wijzig, QStringView stap)
{
    TScheidsrechters regels = m_document.Model().Scheidsrechters();
    wijzig(regels);
    if (regels == m_document.Model().Scheidsrechters())
        return;
    m_document.Model().ZetScheidsrechters(std::move(regels), stap);
}

void ScheidsrechtersTab::VoegPersoonToe()
{
    const QString naam = m_vraagsteller.VraagNaam().trimmed();
    if (naam.isEmpty())
        return;
    const ToernooiModel& model = m_document.Model();
    bool bestaat = false;
    for (const TScheidsPersoon& persoon : model.Scheidsrechters().Personen)
        bestaat = bestaat || persoon.Naam.compare(naam, Qt::CaseInsensitive) == 0;
    // A name of a team would make the two one referee.
    for (const auto& team : model.TeamLijst())
        bestaat = bestaat || team->TeamNaam.compare(naam, Qt::CaseInsensitive) == 0;
    if (bestaat) {
        m_vraagsteller.Melding(Titel, QStringLiteral("Scheidsrechter naam bestaat al."));
        return;
    }
    WijzigRegels([&naam](TScheidsrechters& r) { r.Personen.append({naam, {}}); }, u"scheidsrechter toevoegen");
    m_personen->setCurrentRow(m_personen->count() - 1);
}

void ScheidsrechtersTab::VerwijderPersoon()
{
    const int rij = m_personen->currentRow();
    const auto& personen = m_document.Model().Scheidsrechters().Personen;
    if (rij < 0 || rij >= personen.size())
        return;
    const QString naam = personen[rij].Naam;
    // The matches of a referee who is gone have none.
    WijzigRegels(
        [rij, &naam](TScheidsrechters& r) {
            r.Personen.removeAt(rij);
            r.Toewijzingen.removeIf([&naam](const TScheidsToewijzing& t) { return t.Naam == naam; });
        },
        u"scheidsrechter verwijderen");
}

void ScheidsrechtersTab::ZetAfwezig()
{
    const int rij = m_personen->currentRow();
    const auto& personen = m_document.Model().Scheidsrechters().Personen;
    if (m_bezig || rij < 0 || rij >= personen.size())
        return;
    const auto ronden = RondeLijst::Lees(m_afwezig->text());
    if (!ronden) {
        // The message takes the focus, which ends the editing once more: asked once.
        m_bezig = true;
        m_vraagsteller.Melding(Titel, QStringLiteral("\"%1\" is geen lijst van ronden. Typ de ronden waarin de "
                                                     "scheidsrechter er niet is, bijvoorbeeld: 3, 5-7")
                                          .arg(m_afwezig->text()));
        m_bezig = false;
        ToonAfwezig();
        return;
    }
    WijzigRegels([rij, &ronden](TScheidsrechters& r) { r.Personen[rij].Afwezig = *ronden; },
                 u"scheidsrechter wijzigen");
}

void ScheidsrechtersTab::Toewijzen()
{
    ToernooiModel& model = m_document.Model();
    if (!m_document.SchemaGebouwd()) {
        m_vraagsteller.Melding(Titel, QStringLiteral("Er is nog geen schema. Bouw eerst het toernooi schema."));
        return;
    }
    if (!model.Scheidsrechters().HeeftScheidsrechters()) {
        m_vraagsteller.Melding(Titel, QStringLiteral("Kies eerst wie er fluiten: teams of scheidsrechters met naam."));
        return;
    }
    const TScheidsUitkomst uitkomst = ::Toewijzen(model, m_document.Schema(), model.Scheidsrechters());
    QHash<std::pair<QString, int>, QString> redenen;
    QStringList regels;
    for (qsizetype i = 0; i < uitkomst.Open.size(); ++i) {
        const TScheidsToewijzing& t = uitkomst.Open[i];
        redenen.insert({t.Tekst, t.Keer}, uitkomst.Redenen.value(i));
        if (i < MaxOpenRegels)
            regels.append(QStringLiteral("Ronde %1, veld %2, %3: %4")
                              .arg(t.Ronde)
                              .arg(t.Veld)
                              .arg(t.Tekst, uitkomst.Redenen.value(i)));
    }
    WijzigRegels([&uitkomst](TScheidsrechters& r) { r.Toewijzingen = uitkomst.Toewijzingen; },
                 u"scheidsrechters toewijzen");
    m_redenen = std::move(redenen);
    m_redenenVoor = {m_document.BouwNummer(), model.Scheidsrechters()};
    Vernieuw();
    if (uitkomst.Open.isEmpty())
        return;
    if (uitkomst.Open.size() > MaxOpenRegels)
        regels.append(QStringLiteral("en nog %1 andere.").arg(uitkomst.Open.size() - MaxOpenRegels));
    m_vraagsteller.Melding(Titel, QStringLiteral("%1 wedstrijd(en) kregen geen scheidsrechter:\n\n%2")
                                      .arg(uitkomst.Open.size())
                                      .arg(regels.join(u'\n')));
}

void ScheidsrechtersTab::WijzigHand(int keuze)
{
    const QModelIndex huidig = m_tabel->currentIndex();
    if (!huidig.isValid() || keuze < 0 || !m_document.SchemaGebouwd())
        return;
    const ToewijzingModel::TRij rij = m_tabelModel->Rijen()[huidig.row()];
    const QString naam = m_handKeuze->itemData(keuze).toString();
    if (naam == rij.Naam)
        return;
    ToernooiModel& model = m_document.Model();
    const TScheidsWijziging wijziging =
        WijzigScheidsrechter(model, m_document.Schema(), model.Scheidsrechters(),
                             m_document.Scheidsrechters().Toewijzingen, {rij.Ronde, rij.Veld, rij.Keer, rij.Tekst, naam});
    if (const auto& breuk = wijziging.Breuk) {
        // A rule that always holds refuses the change; a preference is the organiser's to set aside.
        const bool doorgaan =
            !breuk->Altijd
            && m_vraagsteller.VraagJaNee(Titel, QStringLiteral("%1. Toch %2 als scheidsrechter van %3?")
                                                    .arg(breuk->Tekst, Getoond(naam), rij.Tekst));
        if (breuk->Altijd)
            m_vraagsteller.Melding(Titel, QStringLiteral("%1 kan %2 niet fluiten: %3.")
                                              .arg(Getoond(naam), rij.Tekst, breuk->Tekst));
        if (!doorgaan) {
            ToonHandKeuze();
            return;
        }
    }
    WijzigRegels([&wijziging](TScheidsrechters& r) { r.Toewijzingen = wijziging.Toewijzingen; },
                 u"scheidsrechter wijzigen");
}
