#include "ui/indeling/TToevoegen.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TToevoegen::TToevoegen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TToevoegen"));
    setWindowTitle(QStringLiteral("Toevoegen"));
    setModal(true);

    auto* groep = new QGroupBox(QStringLiteral("Nieuwe naam:"), this);
    groep->setObjectName(QStringLiteral("GroupBox1"));
    m_naam = new QLineEdit(groep);
    m_naam->setObjectName(QStringLiteral("Naam"));
    m_naam->setMinimumWidth(240);
    auto* groepIndeling = new QVBoxLayout(groep);
    groepIndeling->addWidget(m_naam);

    auto* toevoegen = new QPushButton(QStringLiteral("Toevoegen"), this);
    toevoegen->setObjectName(QStringLiteral("Toevoegen"));
    toevoegen->setDefault(true);
    auto* annuleren = new QPushButton(QStringLiteral("Annuleren"), this);
    annuleren->setObjectName(QStringLiteral("Annuleren"));
    connect(toevoegen, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(toevoegen);
    knoppen->addWidget(annuleren);
    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(groep);
    indeling->addLayout(knoppen);
    setFixedSize(sizeHint());
}

QString TToevoegen::VraagNaam()
{
    // Centred on the screen rather than on the main window.
    if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
        QRect plek = frameGeometry();
        plek.moveCenter(scherm->availableGeometry().center());
        move(plek.topLeft());
    }
    m_naam->selectAll();
    m_naam->setFocus();
    if (exec() == QDialog::Accepted)
        return m_naam->text();
    return {};
}
