#include "ui/afdruk/TPdfInstellingen.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

TPdfInstellingen::TPdfInstellingen(const PdfPapier& papier, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PdfInstellingen"));
    setWindowTitle(QStringLiteral("PDF-instellingen"));
    auto* kolom = new QVBoxLayout(this);
    auto* velden = new QFormLayout;

    m_formaat = new QComboBox(this);
    m_formaat->setObjectName(QStringLiteral("Papier"));
    m_formaat->addItems(PdfPapier::Namen());
    m_formaat->setCurrentIndex(std::max(0, m_formaat->findText(papier.Naam())));
    velden->addRow(QStringLiteral("&Papier:"), m_formaat);

    auto* richting = new QHBoxLayout;
    m_staand = new QRadioButton(QStringLiteral("&Staand"), this);
    m_staand->setObjectName(QStringLiteral("Staand"));
    m_liggend = new QRadioButton(QStringLiteral("&Liggend"), this);
    m_liggend->setObjectName(QStringLiteral("Liggend"));
    (papier.Liggend ? m_liggend : m_staand)->setChecked(true);
    richting->addWidget(m_staand);
    richting->addWidget(m_liggend);
    richting->addStretch();
    velden->addRow(QStringLiteral("Richting:"), richting);
    kolom->addLayout(velden);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* annuleren = new QPushButton(QStringLiteral("Annuleren"), this);
    annuleren->setObjectName(QStringLiteral("Annuleren"));
    knoppen->addWidget(ok);
    knoppen->addWidget(annuleren);
    kolom->addLayout(knoppen);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
}

PdfPapier TPdfInstellingen::Papier() const
{
    PdfPapier papier;
    papier.Formaat = PdfPapier::FormaatVan(m_formaat->currentText()).value_or(QPageSize::A4);
    papier.Liggend = m_liggend->isChecked();
    return papier;
}
