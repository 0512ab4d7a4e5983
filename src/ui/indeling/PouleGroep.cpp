#include "ui/indeling/PouleGroep.h"

#include "ui/gemeen/Knop.h"
#include "ui/indeling/PouleLijstBoom.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

PouleGroep::PouleGroep(const ToernooiModel& model, QWidget* parent)
    : QGroupBox(QStringLiteral("Poule lijst"), parent)
{
    setObjectName(QStringLiteral("GroupBox1"));
    m_boom = new PouleLijstBoom(model, this);
    m_toevoegen = MaakKnop(QStringLiteral("PouleToevoegen"), QStringLiteral("Toevoegen"),
                           QStringLiteral("Nieuwe poule toevoegen"), 1, this);
    m_verwijderen = MaakKnop(QStringLiteral("PouleVerwijderen"), QStringLiteral("Verwijderen"),
                             QStringLiteral("Geselecteerd poule of team verwijderen"), 2, this);
    m_erin = MaakKnop(QStringLiteral("SpeedButton1"), QStringLiteral("<<"),
                      QStringLiteral("Teams aan poule toevoegen"), 0, this);
    m_eruit = MaakKnop(QStringLiteral("SpeedButton2"), QStringLiteral(">>"),
                       QStringLiteral("Teams uit poule verwijderen"), 0, this);
    for (QPushButton* pijl : {m_erin, m_eruit})
        pijl->setFixedWidth(34);

    auto* pijlen = new QVBoxLayout;
    pijlen->addStretch();
    pijlen->addWidget(m_erin);
    pijlen->addWidget(m_eruit);
    pijlen->addStretch();

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(m_toevoegen);
    knoppen->addWidget(m_verwijderen);
    knoppen->addStretch();

    auto* indeling = new QGridLayout(this);
    indeling->setContentsMargins(6, 4, 4, 6);
    indeling->addWidget(m_boom, 0, 0);
    indeling->addLayout(pijlen, 0, 1);
    indeling->addLayout(knoppen, 1, 0, 1, 2);
}
