#include "ui/instellingen/ToernooiDetailsTab.h"

#include "core/model/Invoertekst.h"
#include "core/model/ToernooiModel.h"
#include "ui/gemeen/GetalVeld.h"
#include "ui/instellingen/DagTijdenModel.h"
#include "ui/instellingen/TijdInvoer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

ToernooiDetailsTab::ToernooiDetailsTab(ToernooiModel& model, QWidget* parent)
    : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("ToernooiDetails"));
    m_tijden = new DagTijdenModel(model, this);
    m_dagTijden = new QTableView(this);
    m_dagTijden->setObjectName(QStringLiteral("DagTijden"));
    m_dagTijden->setModel(m_tijden);
    m_dagTijden->setItemDelegate(new TijdInvoer(m_dagTijden));
    m_dagTijden->setSelectionMode(QAbstractItemView::SingleSelection);
    m_dagTijden->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                 | QAbstractItemView::AnyKeyPressed);
    m_dagTijden->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_dagTijden->verticalHeader()->setDefaultSectionSize(20);
    m_dagTijden->verticalHeader()->setMinimumWidth(64);
    m_dagTijden->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_dagTijden->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_dagTijden->horizontalHeader()->setMinimumSectionSize(69);
    m_dagTijden->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* indeling = new QHBoxLayout(this);
    indeling->setContentsMargins(6, 4, 6, 4);
    indeling->addWidget(MaakVelden(), 1);
    indeling->addWidget(m_dagTijden);
    ToonInstellingen();
    m_dagTijden->setFixedWidth(m_dagTijden->verticalHeader()->sizeHint().width()
                               + m_dagTijden->horizontalHeader()->length() + 2 * m_dagTijden->frameWidth()
                               + m_dagTijden->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    // Control characters pasted into a name could not be saved; they are left out.
    connect(m_naam, &QLineEdit::textEdited, &m_model,
            [this](const QString& naam) { m_model.ZetToernooiNaam(Invoertekst::ZonderStuurtekens(naam)); });
    connect(m_datum, &QLineEdit::textEdited, &m_model,
            [this](const QString& datum) { m_model.ZetStartDatum(Invoertekst::ZonderStuurtekens(datum)); });
    connect(m_dagen, &GetalVeld::ingevoerd, &m_model, &ToernooiModel::ZetAantalDelen);
    connect(m_delen, &GetalVeld::ingevoerd, &m_model, &ToernooiModel::ZetAantalDelenPerDag);
    connect(&m_model, &ToernooiModel::instellingenVeranderd, this, &ToernooiDetailsTab::ToonInstellingen);
    connect(m_tijden, &DagTijdenModel::melding, m_tijdMelding, &QLabel::setText);
}

QWidget* ToernooiDetailsTab::MaakVelden()
{
    auto* velden = new QWidget(this);
    m_naam = new QLineEdit(velden);
    m_naam->setObjectName(QStringLiteral("ToernooiNaam"));
    m_datum = new QLineEdit(velden);
    m_datum->setObjectName(QStringLiteral("StartDatum"));
    m_dagen = new GetalVeld(QStringLiteral("AantalDelen"), ToernooiModel::MinAantalDelen,
                            ToernooiModel::MaxAantalDelen, velden);
    m_dagen->AlleenPijlen();
    m_delen = new GetalVeld(QStringLiteral("AantalDelenPerDag"), ToernooiModel::MinDelenPerDag,
                            ToernooiModel::MaxDelenPerDag, velden);
    m_delen->AlleenPijlen();

    auto* raster = new QGridLayout(velden);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setVerticalSpacing(3);
    raster->addWidget(new QLabel(QStringLiteral("Toernooi naam:"), velden), 0, 0);
    raster->addWidget(m_naam, 0, 1, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Start datum:"), velden), 1, 0);
    raster->addWidget(m_datum, 1, 1);
    raster->addWidget(new QLabel(QStringLiteral("(dd/mm/jj)"), velden), 2, 0);
    raster->addWidget(new QLabel(QStringLiteral("Het toernooi duurt "), velden), 3, 0);
    raster->addWidget(m_dagen, 3, 1);
    raster->addWidget(new QLabel(QStringLiteral("dag(en)."), velden), 3, 2);
    raster->addWidget(new QLabel(QStringLiteral("Een dag bestaat uit"), velden), 4, 0);
    raster->addWidget(m_delen, 4, 1);
    raster->addWidget(new QLabel(QStringLiteral("delen."), velden), 4, 2);
    m_tijdMelding = new QLabel(velden);
    m_tijdMelding->setObjectName(QStringLiteral("TijdMelding"));
    raster->addWidget(m_tijdMelding, 5, 0, 1, 3);
    raster->setColumnStretch(2, 1);
    raster->setRowStretch(6, 1);
    return velden;
}

void ToernooiDetailsTab::ToonInstellingen()
{
    if (m_naam->text() != m_model.ToernooiNaam())
        m_naam->setText(m_model.ToernooiNaam());
    if (m_datum->text() != m_model.StartDatum())
        m_datum->setText(m_model.StartDatum());
    m_dagen->Toon(m_model.AantalDelen());
    m_delen->Toon(m_model.AantalDelenPerDag());
}
