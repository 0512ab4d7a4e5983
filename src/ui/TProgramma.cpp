#include "TProgramma.h"

#include "Hulpbronnen.h"
#include "StartArgumenten.h"
#include "TAbout.h"
#include "TDialoogVraagsteller.h"
#include "TForm1.h"
#include "THelpVenster.h"
#include "TToevoegen.h"
#include "TVeldInvulling.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

void Centreer(QWidget& venster)
{
    if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
        QRect plek = venster.frameGeometry();
        plek.moveCenter(scherm->availableGeometry().center());
        venster.move(plek.topLeft());
    }
}

} // namespace

TProgramma::TProgramma(TVraagsteller* vraagsteller)
{
    if (!vraagsteller) {
        m_dialogen = std::make_unique<TDialoogVraagsteller>(nullptr, nullptr);
        vraagsteller = m_dialogen.get();
    }
    m_vraagsteller = vraagsteller;

    m_about = std::make_unique<TAbout>();
    m_form1 = std::make_unique<TForm1>(*m_vraagsteller);
    m_toevoegen = new TToevoegen(m_form1.get());
    m_veldInvulling = new TVeldInvulling(m_form1->Model(), m_form1.get());
    m_help = new THelpVenster(m_form1.get());
    m_help->ZetHelpBestand(Hulpbronnen::HelpDocument());
    if (m_dialogen) {
        m_dialogen->ZetOuder(m_form1.get());
        m_dialogen->ZetNaamDialoog(m_toevoegen);
    }
    m_form1->ZetVeldInvulling(m_veldInvulling);
    m_form1->ZetHelpVenster(m_help);
    QObject::connect(m_about.get(), &TAbout::gestart, m_form1.get(), &QWidget::show);
}

TProgramma::~TProgramma() = default;

void TProgramma::Start(const QStringList& argumenten)
{
    const QString bestand = StartArgumenten::StartBestand(argumenten);
    if (!bestand.isEmpty())
        m_form1->LaadStartBestand(bestand);

    Centreer(*m_about);
    m_about->show();
    const QString fout = m_about->LaadAfbeelding(Hulpbronnen::StartAfbeelding());
    if (!fout.isEmpty())
        m_vraagsteller->Melding(
            QStringLiteral("Fout"),
            QStringLiteral("De afbeelding van het startvenster kan niet getoond worden.\n") + fout);
}
