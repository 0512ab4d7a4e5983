#include "ui/programma/THelpVenster.h"

#include "ui/gemeen/VensterPlaatsing.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpVenster::THelpVenster(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("THelpVenster"));
    setWindowTitle(QStringLiteral("Rondoplan help"));
    resize(620, 520);
    m_tekst = new QTextBrowser(this);
    m_tekst->setObjectName(QStringLiteral("HelpTekst"));
    m_tekst->setOpenExternalLinks(false);
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->addWidget(m_tekst);
    auto* sluit = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(sluit, &QShortcut::activated, this, &QWidget::close);
    auto* overzicht = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(overzicht, &QShortcut::activated, this, [this] { Toon(0); });
}

void THelpVenster::ZetHelpBestand(const QString& pad)
{
    m_bestand = pad;
    m_context = -1;
}

QString THelpVenster::Anker(int context)
{
    return QStringLiteral("onderwerp-") + QString::number(context);
}

void THelpVenster::Toon(int context)
{
    if (context < 0 || context >= AantalOnderwerpen)
        context = 0;
    m_context = context;
    if (m_bestand.isEmpty()) {
        m_tekst->setPlainText(QStringLiteral("Het helpbestand is niet gevonden."));
    } else {
        QUrl adres = QUrl::fromLocalFile(m_bestand);
        adres.setFragment(Anker(context));
        m_tekst->setSource(adres);
        m_tekst->scrollToAnchor(Anker(context));
    }
    show();
    raise();
    activateWindow();
}

void THelpVenster::showEvent(QShowEvent* event)
{
    VensterPlaatsing::Plaats(*this, parentWidget(), VensterPlaatsing::Wijze::Over);
    QWidget::showEvent(event);
}
