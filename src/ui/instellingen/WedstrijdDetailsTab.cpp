#include "ui/instellingen/WedstrijdDetailsTab.h"

#include "core/kwaliteit/SchemaSchatting.h"
#include "core/model/ToernooiModel.h"
#include "ui/gemeen/GetalVeld.h"
#include "ui/gemeen/Knop.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Duration and pause have no limits of their own; the field needs some.
constexpr int MaxMinuten = 9999;

} // namespace

WedstrijdDetailsTab::WedstrijdDetailsTab(ToernooiModel& model, QWidget* parent)
    : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("WedstrijdDetails"));
    m_gewoon = new GetalVeld(QStringLiteral("GewoneVelden"), ToernooiModel::MinGewoneVelden,
                             ToernooiModel::MaxGewoneVelden, this);
    m_speciaal = new GetalVeld(QStringLiteral("SpecialeVelden"), ToernooiModel::MinSpecialeVelden,
                               ToernooiModel::MaxSpecialeVelden, this);
    m_totaal = new QLineEdit(QStringLiteral("1"), this);
    m_totaal->setObjectName(QStringLiteral("TotaalAantalVelden"));
    m_totaal->setReadOnly(true);
    m_duur = new GetalVeld(QStringLiteral("DuurWedstrijd"), 0, MaxMinuten, this);
    m_pauze = new GetalVeld(QStringLiteral("Pauze"), 0, MaxMinuten, this);
    m_veldgebruik = MaakKnop(
        QStringLiteral("Button2"), QStringLiteral("Veldgebruik"),
        QStringLiteral("Hier kunt u aangeven welke velden wel of niet gebruikt kunnen worden"), 0, this);
    m_bouw = MaakKnop(QStringLiteral("Button1"), QStringLiteral("Bouw toernooi schema"), QString(), 0,
                      this);
    // The build comes with the schedule builder.

    auto* raster = new QGridLayout;
    raster->setVerticalSpacing(3);
    raster->addWidget(new QLabel(QStringLiteral("Maximaal aantal velden:"), this), 0, 0);
    raster->addWidget(m_gewoon, 0, 1);
    auto* speciaalLabel = new QLabel(QStringLiteral("Aantal speciale velden:"), this);
    auto* totaalLabel = new QLabel(QStringLiteral("Totaal:"), this);
    raster->addWidget(speciaalLabel, 1, 0);
    raster->addWidget(m_speciaal, 1, 1);
    raster->addWidget(totaalLabel, 2, 0);
    raster->addWidget(m_totaal, 2, 1);
    for (QWidget* verborgen : {static_cast<QWidget*>(speciaalLabel), static_cast<QWidget*>(totaalLabel),
                               static_cast<QWidget*>(m_speciaal), static_cast<QWidget*>(m_totaal)})
        verborgen->hide();
    raster->addWidget(new QLabel(QStringLiteral("Duur van de wedstrijd:"), this), 3, 0);
    raster->addWidget(m_duur, 3, 1);
    raster->addWidget(new QLabel(QStringLiteral("in minuten."), this), 3, 2);
    raster->addWidget(new QLabel(QStringLiteral("Pauze tussen de wedstrijden:"), this), 4, 0);
    raster->addWidget(m_pauze, 4, 1);
    raster->addWidget(new QLabel(QStringLiteral("in minuten."), this), 4, 2);
    m_schatting = new QLabel(this);
    m_schatting->setObjectName(QStringLiteral("Schatting"));
    m_schatting->setWordWrap(true);
    raster->addWidget(m_schatting, 5, 0, 1, 4);
    raster->setColumnStretch(3, 1);

    auto* knoppen = new QVBoxLayout;
    knoppen->addWidget(m_veldgebruik);
    knoppen->addWidget(m_bouw);
    knoppen->addStretch();

    auto* indeling = new QGridLayout(this);
    indeling->setContentsMargins(6, 4, 6, 4);
    indeling->addLayout(raster, 0, 0);
    indeling->addLayout(knoppen, 0, 1);
    indeling->setRowStretch(1, 1);
    indeling->setColumnStretch(0, 1);
    ToonInstellingen();

    connect(m_gewoon, &GetalVeld::ingevoerd, &m_model, &ToernooiModel::ZetGewoneVelden);
    connect(m_speciaal, &GetalVeld::ingevoerd, &m_model, &ToernooiModel::ZetSpecialeVelden);
    connect(m_duur, &GetalVeld::ingevoerd, &m_model, &ToernooiModel::ZetDuurWedstrijd);
    connect(m_pauze, &GetalVeld::ingevoerd, &m_model, &ToernooiModel::ZetPauze);
    connect(&m_model, &ToernooiModel::instellingenVeranderd, this, &WedstrijdDetailsTab::ToonInstellingen);
    // Teams, poules (rest and links included), fields, duration, pause, day parts and cells
    // all change the estimate.
    for (auto signaal : {&ToernooiModel::teamsVeranderd, &ToernooiModel::poulesVeranderd,
                         &ToernooiModel::instellingenVeranderd, &ToernooiModel::rondenVeranderd,
                         &ToernooiModel::veldGebruikVeranderd})
        connect(&m_model, signaal, this, &WedstrijdDetailsTab::ToonSchatting);
    ToonSchatting();
}

void WedstrijdDetailsTab::ToonSchatting()
{
    m_schatting->setText(SchatSchema(m_model).Tekst());
}

void WedstrijdDetailsTab::ToonInstellingen()
{
    m_gewoon->Toon(m_model.GewoneVelden());
    m_speciaal->Toon(m_model.SpecialeVelden());
    m_totaal->setText(QString::number(m_model.AantalVelden()));
    m_duur->Toon(m_model.DuurWedstrijd());
    m_pauze->Toon(m_model.Pauze());
}
