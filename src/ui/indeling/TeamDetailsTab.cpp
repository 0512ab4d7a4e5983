#include "ui/indeling/TeamDetailsTab.h"

#include "core/model/TTeamDetails.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const char* const Labels[] = {"Naam:", "Adres:", "Postcode/Plaats:", "Telefoon:", "Fax:"};

QFormLayout* Formulier(QWidget* ouder)
{
    auto* formulier = new QFormLayout(ouder);
    formulier->setContentsMargins(4, 2, 4, 4);
    formulier->setHorizontalSpacing(4);
    formulier->setVerticalSpacing(2);
    formulier->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return formulier;
}

} // namespace

QLineEdit* TeamDetailsTab::MaakEdit(const char* naam)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(naam));
    connect(edit, &QLineEdit::textEdited, this, &TeamDetailsTab::getypt);
    return edit;
}

TeamDetailsTab::TeamDetailsTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TeamDetails"));
    m_teamNaam = MaakEdit("TeamNaam");
    m_teamNaam->setReadOnly(true);
    for (const char* naam : {"ClubNaam", "ClubAdres", "ClubPP", "ClubTelefoon", "ClubFax"})
        m_club.append(MaakEdit(naam));
    for (const char* naam : {"BegeleiderNaam", "BegeleiderAdres", "BegeleiderPP",
                             "BegeleiderTelefoon", "BegeleiderFax"})
        m_begeleider.append(MaakEdit(naam));

    auto* naamKolom = new QVBoxLayout;
    naamKolom->addWidget(new QLabel(QStringLiteral("Naam:"), this));
    naamKolom->addWidget(m_teamNaam);
    naamKolom->addStretch();

    auto* club = new QGroupBox(QStringLiteral("Club info"), this);
    club->setObjectName(QStringLiteral("ClubInfo"));
    auto* begeleider = new QGroupBox(QStringLiteral("Begeleider info"), this);
    begeleider->setObjectName(QStringLiteral("BegeleiderInfo"));
    QFormLayout* clubFormulier = Formulier(club);
    QFormLayout* begeleiderFormulier = Formulier(begeleider);
    for (int i = 0; i < 5; ++i) {
        clubFormulier->addRow(QString::fromUtf8(Labels[i]), m_club.at(i));
        begeleiderFormulier->addRow(QString::fromUtf8(Labels[i]), m_begeleider.at(i));
    }

    auto* indeling = new QHBoxLayout(this);
    indeling->setContentsMargins(6, 4, 6, 4);
    m_teamNaam->setFixedWidth(130);
    indeling->addLayout(naamKolom);
    indeling->addWidget(club, 1);
    indeling->addWidget(begeleider, 1);
}

void TeamDetailsTab::Toon(const TTeamDetails& team)
{
    const QStringList waarden{team.ClubNaam,           team.ClubAdres,      team.ClubPostcodePlaats,
                              team.ClubTelefoon,       team.ClubFax,        team.BegeleiderNaam,
                              team.BegeleiderAdres,    team.BegeleiderPostcodePlaats,
                              team.BegeleiderTelefoon, team.BegeleiderFax};
    m_teamNaam->setText(team.TeamNaam);
    for (int i = 0; i < 5; ++i) {
        m_club.at(i)->setText(waarden.at(i));
        m_begeleider.at(i)->setText(waarden.at(i + 5));
    }
    // A long text shows its beginning rather than its end.
    m_teamNaam->setCursorPosition(0);
    for (QLineEdit* edit : std::as_const(m_club))
        edit->setCursorPosition(0);
    for (QLineEdit* edit : std::as_const(m_begeleider))
        edit->setCursorPosition(0);
}

void TeamDetailsTab::Leeg()
{
    m_teamNaam->clear();
    for (QLineEdit* edit : std::as_const(m_club))
        edit->clear();
    for (QLineEdit* edit : std::as_const(m_begeleider))
        edit->clear();
}

TTeamDetails TeamDetailsTab::Waarden() const
{
    TTeamDetails team(m_teamNaam->text());
    team.ClubNaam = m_club.at(0)->text();
    team.ClubAdres = m_club.at(1)->text();
    team.ClubPostcodePlaats = m_club.at(2)->text();
    team.ClubTelefoon = m_club.at(3)->text();
    team.ClubFax = m_club.at(4)->text();
    team.BegeleiderNaam = m_begeleider.at(0)->text();
    team.BegeleiderAdres = m_begeleider.at(1)->text();
    team.BegeleiderPostcodePlaats = m_begeleider.at(2)->text();
    team.BegeleiderTelefoon = m_begeleider.at(3)->text();
    team.BegeleiderFax = m_begeleider.at(4)->text();
    return team;
}

bool TeamDetailsTab::Wijkt(const TTeamDetails& team) const
{
    const TTeamDetails tab = Waarden();
    return tab.ClubNaam != team.ClubNaam || tab.ClubAdres != team.ClubAdres
           || tab.ClubPostcodePlaats != team.ClubPostcodePlaats
           || tab.ClubTelefoon != team.ClubTelefoon || tab.ClubFax != team.ClubFax
           || tab.BegeleiderNaam != team.BegeleiderNaam
           || tab.BegeleiderAdres != team.BegeleiderAdres
           || tab.BegeleiderPostcodePlaats != team.BegeleiderPostcodePlaats
           || tab.BegeleiderTelefoon != team.BegeleiderTelefoon
           || tab.BegeleiderFax != team.BegeleiderFax;
}
