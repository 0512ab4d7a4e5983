#include "ui/indeling/TeamGroep.h"

#include "core/model/ToernooiModel.h"
#include "ui/gemeen/Knop.h"
#include "ui/indeling/TeamLijstLijst.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>

TeamGroep::TeamGroep(const ToernooiModel& model, QWidget* parent)
    : QGroupBox(QStringLiteral("Team Lijst"), parent), m_model(model)
{
    setObjectName(QStringLiteral("GroupBox3"));
    setFixedWidth(Breedte);
    m_lijst = new TeamLijstLijst(model, this);

    m_inPoule = new QListWidget(this);
    m_inPoule->setObjectName(QStringLiteral("TeamsInPoule"));
    m_inPoule->setToolTip(QStringLiteral("Hier kunt u zien in welke poule een team is ingedeeld"));
    m_inPoule->setFixedWidth(TeamsInPouleBreedte);
    m_inPoule->setUniformItemSizes(true);
    m_inPoule->setFocusPolicy(Qt::NoFocus);
    m_inPoule->setSelectionMode(QAbstractItemView::NoSelection);
    m_inPoule->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_inPoule->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_inPoule->setTextElideMode(Qt::ElideRight);
    // Display only; its text keeps the normal colour so the poule names stay readable.
    m_inPoule->setEnabled(false);
    QPalette kleuren = m_inPoule->palette();
    kleuren.setColor(QPalette::Disabled, QPalette::Text, kleuren.color(QPalette::Active, QPalette::Text));
    kleuren.setColor(QPalette::Disabled, QPalette::Base, kleuren.color(QPalette::Active, QPalette::Base));
    m_inPoule->setPalette(kleuren);

    m_toevoegen = MaakKnop(QStringLiteral("TeamToevoegen"), QStringLiteral("Toevoegen"),
                           QStringLiteral("Team toevoegen aan team lijst"), 3, this);
    m_verwijderen = MaakKnop(QStringLiteral("TeamVerwijderen"), QStringLiteral("Verwijderen"),
                             QStringLiteral("Team(s) verwijderen uit team lijst."), 4, this);

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(m_toevoegen);
    knoppen->addWidget(m_verwijderen);
    knoppen->addStretch();

    auto* indeling = new QGridLayout(this);
    indeling->setContentsMargins(4, 4, 6, 6);
    indeling->setHorizontalSpacing(0);
    indeling->addWidget(m_lijst, 0, 0);
    indeling->addWidget(m_inPoule, 0, 1);
    indeling->addLayout(knoppen, 1, 0, 1, 2);

    // Any way the list scrolls (wheel, keys, scroll bar, a refill), the mirror follows.
    connect(m_lijst->verticalScrollBar(), &QScrollBar::valueChanged, this, &TeamGroep::VolgScroll);
    connect(m_lijst->verticalScrollBar(), &QScrollBar::rangeChanged, this, &TeamGroep::VolgScroll);
}

void TeamGroep::VulTeamsInPoule()
{
    m_inPoule->clear();
    m_inPoule->addItems(m_model.TeamsInPoule());
    // Laid out now rather than at the next paint, so its scroll range is right at once.
    m_inPoule->doItemsLayout();
    VolgScroll();
}

void TeamGroep::VolgScroll()
{
    m_inPoule->verticalScrollBar()->setValue(m_lijst->verticalScrollBar()->value());
}
