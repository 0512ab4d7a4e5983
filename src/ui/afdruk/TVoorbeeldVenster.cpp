#include "ui/afdruk/TVoorbeeldVenster.h"

#include "ui/gemeen/VensterPlaatsing.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

TVoorbeeldVenster::TVoorbeeldVenster(QPrinter& printer, std::function<void(QPrinter&)> tekenen,
                                     QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Afdrukvoorbeeld"));
    setWindowTitle(QStringLiteral("Afdrukvoorbeeld"));
    auto* kolom = new QVBoxLayout(this);

    m_voorbeeld = new QPrintPreviewWidget(&printer, this);
    m_voorbeeld->setObjectName(QStringLiteral("Voorbeeld"));
    connect(m_voorbeeld, &QPrintPreviewWidget::paintRequested, this,
            [tekenen = std::move(tekenen)](QPrinter* apparaat) { tekenen(*apparaat); });

    auto* knoppen = new QHBoxLayout;
    auto* pagina = new QLabel(this);
    pagina->setObjectName(QStringLiteral("Paginas"));
    auto knop = [this, knoppen](const char* naam, const char* tekst) {
        auto* k = new QPushButton(QString::fromUtf8(tekst), this);
        k->setObjectName(QString::fromUtf8(naam));
        k->setAutoDefault(false);
        knoppen->addWidget(k);
        return k;
    };
    auto* heel = knop("HelePagina", "Hele pagina");
    auto* breed = knop("Paginabreedte", "Paginabreedte");
    auto* groter = knop("Inzoomen", "Inzoomen");
    auto* kleiner = knop("Uitzoomen", "Uitzoomen");
    knoppen->addStretch();
    knoppen->addWidget(pagina);
    knoppen->addStretch();
    auto* sluiten = knop("Sluiten", "Sluiten");
    kolom->addLayout(knoppen);
    kolom->addWidget(m_voorbeeld, 1);

    connect(heel, &QPushButton::clicked, m_voorbeeld, &QPrintPreviewWidget::fitInView);
    connect(breed, &QPushButton::clicked, m_voorbeeld, &QPrintPreviewWidget::fitToWidth);
    connect(groter, &QPushButton::clicked, m_voorbeeld, [this] { m_voorbeeld->zoomIn(); });
    connect(kleiner, &QPushButton::clicked, m_voorbeeld, [this] { m_voorbeeld->zoomOut(); });
    connect(sluiten, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_voorbeeld, &QPrintPreviewWidget::previewChanged, pagina, [this, pagina] {
        pagina->setText(QStringLiteral("%1 pagina's").arg(m_voorbeeld->pageCount()));
    });

    m_voorbeeld->updatePreview();
    resize(800, 900);
}

void TVoorbeeldVenster::showEvent(QShowEvent* event)
{
    // Over the print dialog, shrunk and moved where needed to lie wholly on the screen.
    VensterPlaatsing::Plaats(*this, parentWidget(), VensterPlaatsing::Wijze::Over);
    QDialog::showEvent(event);
}

int TVoorbeeldVenster::AantalPaginas() const
{
    return m_voorbeeld->pageCount();
}
