#include "ui/indeling/PouleDetailsTab.h"

#include "core/model/ToernooiModel.h"
#include "ui/gemeen/GetalVeld.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QGroupBox* Keuze(const char* naam, const QString& titel, const QString& eerste,
                 const QString& tweede, QButtonGroup*& groep, QWidget* ouder)
{
    auto* doos = new QGroupBox(titel, ouder);
    doos->setObjectName(QString::fromLatin1(naam));
    groep = new QButtonGroup(doos);
    auto* indeling = new QVBoxLayout(doos);
    indeling->setContentsMargins(6, 2, 6, 4);
    indeling->setSpacing(2);
    int id = 0;
    for (const QString& tekst : {eerste, tweede}) {
        auto* knop = new QRadioButton(tekst, doos);
        knop->setObjectName(QString::fromLatin1(naam) + QString::number(id));
        groep->addButton(knop, id++);
        indeling->addWidget(knop);
    }
    groep->button(0)->setChecked(true);
    return doos;
}

} // namespace

PouleDetailsTab::PouleDetailsTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PouleDetails"));
    auto* indeling = new QHBoxLayout(this);
    indeling->setContentsMargins(6, 4, 6, 4);
    indeling->addWidget(MaakLinks(), 3);
    indeling->addWidget(MaakRechts(), 2);

    connect(m_pouleNaam, &QLineEdit::textEdited, this, &PouleDetailsTab::getypt);
    connect(m_competitie, &QButtonGroup::idClicked, this, &PouleDetailsTab::getypt);
    connect(m_rust, &GetalVeld::ingevoerd, this, &PouleDetailsTab::getypt);
    connect(m_kruisPoule, &QComboBox::activated, this, [this](int positie) {
        if (positie == m_vorigeKeuze)
            return;
        m_vorigeKeuze = positie;
        emit kruisPouleGekozen(positie);
    });
    connect(m_kruisPoule, &QComboBox::editTextChanged, this, &PouleDetailsTab::getypt);
    connect(m_kruisType, &QButtonGroup::idToggled, this, [this](int id, bool aan) {
        if (aan && !signalsBlocked())
            emit kruisTypeGekozen(id);
    });
}

QWidget* PouleDetailsTab::MaakLinks()
{
    auto* links = new QWidget(this);
    m_pouleNaam = new QLineEdit(links);
    m_pouleNaam->setObjectName(QStringLiteral("PouleNaam"));
    m_pouleNaam->setReadOnly(true);
    QGroupBox* competitie = Keuze("CompetitieType", QStringLiteral("Competitie type:"),
                                  QStringLiteral("Hele competitie"),
                                  QStringLiteral("Halve competitie"), m_competitie, links);
    m_rust = new GetalVeld(QStringLiteral("MinimaleRust"), ToernooiModel::MinMinimaleRust,
                           ToernooiModel::MaxMinimaleRust, links);

    auto* rust = new QGridLayout;
    rust->addWidget(new QLabel(QStringLiteral("Minimaal"), links), 0, 0);
    rust->addWidget(m_rust, 0, 1);
    rust->addWidget(new QLabel(QStringLiteral("rond(en) rust tussen twee"), links), 0, 2);
    rust->addWidget(new QLabel(QStringLiteral("wedstrijden."), links), 1, 2);
    rust->setColumnStretch(3, 1);

    auto* naam = new QHBoxLayout;
    naam->addWidget(new QLabel(QStringLiteral("Naam:"), links));
    naam->addWidget(m_pouleNaam, 1);

    auto* indeling = new QVBoxLayout(links);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->addLayout(naam);
    indeling->addWidget(competitie);
    indeling->addLayout(rust);
    indeling->addStretch();
    return links;
}

QWidget* PouleDetailsTab::MaakRechts()
{
    auto* rechts = new QWidget(this);
    m_kruisPoule = new QComboBox(rechts);
    m_kruisPoule->setObjectName(QStringLiteral("KruisPoule"));
    m_kruisPoule->setEditable(true);
    m_kruisPoule->setInsertPolicy(QComboBox::NoInsert);
    m_kruisPoule->addItem(QStringLiteral("Geen"));
    QGroupBox* type = Keuze("KruisPouleCompetitieType", QStringLiteral("Kruispoule competitie type:"),
                            QStringLiteral("Enkele wedstrijden"),
                            QStringLiteral("Dubbele wedstrijden"), m_kruisType, rechts);

    auto* indeling = new QVBoxLayout(rechts);
    indeling->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Kruispoule:"), rechts);
    label->setBuddy(m_kruisPoule);
    indeling->addWidget(label);
    indeling->addWidget(m_kruisPoule);
    indeling->addWidget(type);
    indeling->addStretch();
    return rechts;
}

void PouleDetailsTab::Toon(const TPouleDetails& poule, int kruisPositie)
{
    const QSignalBlocker stil(this);
    m_pouleNaam->setText(poule.PouleNaam);
    m_competitie->button(poule.CompetitieType == TCompetitieType::HeleCompetitie ? 0 : 1)
        ->setChecked(true);
    ZetKruisPouleKeuze(kruisPositie);
    m_kruisType
        ->button(poule.KruisPouleCompetitieType == TKruisPouleCompetitieType::EnkeleWedstrijden ? 0 : 1)
        ->setChecked(true);
    m_rust->Toon(poule.MinimaleRust);
}

void PouleDetailsTab::Leeg()
{
    const QSignalBlocker stil(this);
    m_pouleNaam->clear();
    m_competitie->button(0)->setChecked(true);
    ZetKruisPouleKeuze(0);
    m_kruisType->button(0)->setChecked(true);
    m_rust->Toon(0);
}

PouleDetailsTab::Waarden PouleDetailsTab::Lees() const
{
    Waarden waarden;
    waarden.CompetitieType = m_competitie->checkedId() == 0 ? TCompetitieType::HeleCompetitie
                                                            : TCompetitieType::HalveCompetitie;
    waarden.KruisPoule = KruisPouleKeuze();
    waarden.KruisPouleCompetitieType = m_kruisType->checkedId() == 0
                                           ? TKruisPouleCompetitieType::EnkeleWedstrijden
                                           : TKruisPouleCompetitieType::DubbeleWedstrijden;
    waarden.MinimaleRust = m_rust->value();
    return waarden;
}

bool PouleDetailsTab::Wijkt(const TPouleDetails& poule, int kruisPositie) const
{
    const Waarden tab = Lees();
    return tab.CompetitieType != poule.CompetitieType || std::max(tab.KruisPoule, 0) != kruisPositie
           || tab.KruisPouleCompetitieType != poule.KruisPouleCompetitieType
           || tab.MinimaleRust != poule.MinimaleRust;
}

void PouleDetailsTab::ZetPartnerLijst(const QStringList& lijst)
{
    const QSignalBlocker stil(m_kruisPoule);
    const int keuze = KruisPouleKeuze();
    m_kruisPoule->clear();
    m_kruisPoule->addItems(lijst);
    ZetKruisPouleKeuze(keuze < 0 || keuze >= lijst.size() ? 0 : keuze);
}

void PouleDetailsTab::ZetKruisPouleKeuze(int positie)
{
    const QSignalBlocker stil(m_kruisPoule);
    if (positie < 0 || positie >= m_kruisPoule->count())
        positie = 0;
    m_kruisPoule->setCurrentIndex(positie);
    m_kruisPoule->setEditText(m_kruisPoule->itemText(positie));
    m_vorigeKeuze = positie;
}

int PouleDetailsTab::KruisPouleKeuze() const
{
    const int positie = m_kruisPoule->currentIndex();
    // Text typed over the entry chooses nothing.
    if (positie < 0 || m_kruisPoule->currentText() != m_kruisPoule->itemText(positie))
        return -1;
    return positie;
}
