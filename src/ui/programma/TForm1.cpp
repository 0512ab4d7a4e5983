#include "ui/programma/TForm1.h"

#include "core/bestand/ToernooiBestand.h"
#include "core/document/ToernooiDocument.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/Venstertitel.h"
#include "ui/gemeen/GewijzigdTitel.h"
#include "ui/gemeen/Knop.h"
#include "ui/indeling/DetailsBediening.h"
#include "ui/indeling/IndelingBediening.h"
#include "ui/indeling/PouleDetailsTab.h"
#include "ui/indeling/PouleGroep.h"
#include "ui/indeling/PouleLijstBoom.h"
#include "ui/indeling/TeamDetailsTab.h"
#include "ui/indeling/TeamGroep.h"
#include "ui/indeling/TeamLijstLijst.h"
#include "ui/instellingen/TVeldInvulling.h"
#include "ui/instellingen/ToernooiDetailsTab.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/programma/InfoVenster.h"
#include "ui/programma/THelpVenster.h"
#include "ui/scheidsrechters/ScheidsrechtersTab.h"
#include "ui/uitwisseling/TTeamsImporteren.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

TForm1::TForm1(TVraagsteller& vraagsteller, QWidget* parent)
    : QMainWindow(parent), m_vraagsteller(vraagsteller), m_model(new ToernooiModel(this))
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Rondoplan"));
    m_document = new ToernooiDocument(*m_model, this);

    auto* midden = new QWidget(this);
    m_poules = new PouleGroep(*m_model, midden);
    m_teams = new TeamGroep(*m_model, midden);
    auto* boven = new QHBoxLayout;
    boven->setSpacing(0);
    boven->addWidget(m_poules, 1);
    boven->addWidget(m_teams);
    auto* indeling = new QVBoxLayout(midden);
    indeling->setContentsMargins(2, 2, 2, 2);
    indeling->addLayout(boven, 1);
    indeling->addWidget(MaakTabs());
    setCentralWidget(midden);
    MaakMenu();

    m_details = new DetailsBediening(*m_model, m_vraagsteller, *m_teams->TeamLijst(),
                                     *m_poules->PouleLijst(), *m_teamTab, *m_pouleTab, this);
    m_indeling = new IndelingBediening(*m_model, m_vraagsteller, *m_poules, *m_teams, *m_details, this);
    m_bestand = std::make_unique<ToernooiBestand>(*m_document, m_vraagsteller);
    m_bestand->BewaarDetails = [this] { m_details->BewaarDetails(); };
    m_bestand->LeegAlles = [this] {
        m_details->LeegAlles();
        // "Opnieuw" ends with the count captions; the emptying that follows keeps them current.
        m_indeling->ToonAantallen();
    };
    connect(m_model, &ToernooiModel::instellingenVeranderd, this, &TForm1::ToonTitel);
    connect(m_model, &ToernooiModel::gewijzigdVeranderd, this, &TForm1::ToonTitel);
    connect(m_wedstrijdTab->Button2(), &QPushButton::clicked, this, [this] {
        if (m_veldInvulling)
            m_veldInvulling->ToonVoorgrond();
    });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &TForm1::HelpVoorFocus);

    resize(640, 480);
    if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
        QRect plek = frameGeometry();
        plek.moveCenter(scherm->availableGeometry().center());
        move(plek.topLeft());
    }
}

TForm1::~TForm1()
{
    // The controls go first, while the model they refer to still exists; what they report on
    // their way out (a number field losing the focus) is no change of the tournament.
    m_model->blockSignals(true);
    // Windows still open (the field usage window, the schedule) are hidden while the model
    // they show still exists; hiding them on their own deletion would read a deleted model.
    for (QWidget* venster : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (venster->isWindow())
            venster->hide();
    delete takeCentralWidget();
}

QWidget* TForm1::MaakTabs()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_teamTab = new TeamDetailsTab(m_tabs);
    m_pouleTab = new PouleDetailsTab(m_tabs);
    m_toernooiTab = new ToernooiDetailsTab(*m_model, m_tabs);
    m_wedstrijdTab = new WedstrijdDetailsTab(*m_model, m_tabs);
    m_tabs->addTab(m_teamTab, QStringLiteral("Team details"));
    m_tabs->addTab(m_pouleTab, QStringLiteral("Poule details"));
    m_tabs->addTab(m_toernooiTab, QStringLiteral("Toernooi details"));
    m_tabs->addTab(m_wedstrijdTab, QStringLiteral("Wedstrijd details"));
    for (int tab = 0; tab < m_tabs->count(); ++tab)
        ZetHelpContext(m_tabs->widget(tab), tab + 1);
    m_scheidsrechtersTab = new ScheidsrechtersTab(*m_document, m_vraagsteller, m_tabs);
    m_tabs->addTab(m_scheidsrechtersTab, QStringLiteral("Scheidsrechters"));
    ZetHelpContext(m_scheidsrechtersTab, THelpVenster::ScheidsrechtersContext);
    m_tabs->setCurrentIndex(0);
    m_tabs->setFixedHeight(202);
    return m_tabs;
}

void TForm1::MaakMenu()
{
    auto actie = [this](QMenu* menu, const char* naam, const QString& tekst, auto slot,
                        const QKeySequence& toets = {}) {
        QAction* item = menu->addAction(tekst);
        item->setObjectName(QString::fromLatin1(naam));
        item->setShortcut(toets);
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    QMenu* bestanden = menuBar()->addMenu(QStringLiteral("&Bestanden"));
    bestanden->setObjectName(QStringLiteral("Bestanden1"));
    actie(bestanden, "Opnieuw1", QStringLiteral("Opnieuw"), &TForm1::Opnieuw1Click);
    bestanden->addSeparator();
    actie(bestanden, "Opslaan1", QStringLiteral("&Opslaan"), &TForm1::Opslaan1Click,
          QKeySequence(Qt::CTRL | Qt::Key_S));
    actie(bestanden, "Laden1", QStringLiteral("&Laden"), &TForm1::Laden1Click,
          QKeySequence(Qt::CTRL | Qt::Key_O));
    bestanden->addSeparator();
    actie(bestanden, "TeamsImporteren1", QStringLiteral("&Teams importeren…"),
          &TForm1::TeamsImporteren1Click);
    bestanden->addSeparator();
    actie(bestanden, "Afsluiten1", QStringLiteral("&Afsluiten"), &TForm1::Afsluiten1Click,
          QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* bewerken = menuBar()->addMenu(QStringLiteral("Be&werken"));
    bewerken->setObjectName(QStringLiteral("Bewerken1"));
    m_ongedaan = actie(bewerken, "Ongedaan1", QStringLiteral("&Ongedaan maken"), &TForm1::OngedaanMaken,
                       QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_herhalen = actie(bewerken, "Herhalen1", QStringLiteral("&Herhalen"), &TForm1::Herhalen,
                       QKeySequence(Qt::CTRL | Qt::Key_Y));
    m_herhalen->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The step names are worked out when the menu opens, once the last command has finished.
    connect(bewerken, &QMenu::aboutToShow, this, &TForm1::ToonBewerken);
    connect(m_document, &ToernooiDocument::geschiedenisVeranderd, this, &TForm1::ToonBewerken);
    ToonBewerken();

    QAction* uitslagen = menuBar()->addAction(QStringLiteral("&Uitslagen"));
    uitslagen->setObjectName(QStringLiteral("Uitslagen1"));
    connect(uitslagen, &QAction::triggered, this, &TForm1::uitslagenGevraagd);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* helpFile = actie(help, "Helpfile1", QStringLiteral("Help file"), [this] { ToonHelp(0); },
                              QKeySequence(Qt::Key_F1));
    // F1 belongs to the window's own shortcut, which asks the focused control for its topic;
    // here it only shows in the menu and works while the menu is open.
    helpFile->setShortcutContext(Qt::WidgetShortcut);
    actie(help, "Helpoverdetailtabblad1", QStringLiteral("Help over geselecteerd detail tabblad"),
          [this] { ToonHelp(TabHelpContext()); });
    help->addSeparator();
    actie(help, "Info1", QStringLiteral("&Info"), [this] { InfoVenster::Toon(this); });
}

void TForm1::ToonBewerken()
{
    m_ongedaan->setText(m_document->OngedaanTekst());
    m_ongedaan->setEnabled(m_document->KanOngedaan());
    m_herhalen->setText(m_document->HerhaalTekst());
    m_herhalen->setEnabled(m_document->KanHerhalen());
}

void TForm1::OngedaanMaken()
{
    // Details typed in a tab count as a step of their own first.
    m_details->BewaarDetails();
    m_document->SluitSamenvoegen();
    m_document->OngedaanMaken();
    // The tabs show the records as they are now, never a value the step took back.
    m_details->ToonHuidige();
    m_indeling->ToonAantallen();
}

void TForm1::Herhalen()
{
    m_details->BewaarDetails();
    m_document->SluitSamenvoegen();
    m_document->Herhalen();
    // The tabs show the records as they are now, never a value the step took back.
    m_details->ToonHuidige();
    m_indeling->ToonAantallen();
}

void TForm1::ToonTitel()
{
    GewijzigdTitel::Zet(*this, Venstertitel(m_model->ToernooiNaam()), m_model->Gewijzigd());
}

void TForm1::showEvent(QShowEvent* event)
{
    ToonTitel();
    QMainWindow::showEvent(event);
}

int TForm1::TabHelpContext() const
{
    return HelpContextVan(m_tabs->currentWidget());
}

void TForm1::ToonHelp(int context)
{
    if (m_help)
        m_help->Toon(context);
}

void TForm1::HelpVoorFocus()
{
    ToonHelp(HelpContextVan(QApplication::focusWidget()));
}

void TForm1::BewaarDetails()
{
    m_details->BewaarDetails();
}

void TForm1::Opnieuw1Click()
{
    if (m_bestand->Opnieuw() == TBestandUitkomst::Gelukt)
        emit toernooiVervangen();
}

void TForm1::Opslaan1Click()
{
    (void)m_bestand->Opslaan();
}

void TForm1::Laden1Click()
{
    Laad(QString());
}

void TForm1::TeamsImporteren1Click()
{
    // A name being typed in a detail tab counts when the list is checked against the teams.
    m_details->BewaarDetails();
    TTeamsImporteren dialoog(*m_model, m_vraagsteller, this);
    dialoog.ZetStartMap(m_document->Map());
    if (dialoog.exec() != QDialog::Accepted)
        return;
    m_indeling->Vernieuw();
    m_details->ToonHuidige();
}

void TForm1::LaadStartBestand(const QString& bestand)
{
    Laad(bestand);
}

bool TForm1::LaadHerstelKopie(const QByteArray& bytes, const QString& pad)
{
    if (m_bestand->LaadHersteld(bytes, pad) != TBestandUitkomst::Gelukt)
        return false;
    NaLaden();
    emit toernooiVervangen();
    return true;
}

void TForm1::Laad(const QString& pad)
{
    if (m_bestand->Laden(pad) == TBestandUitkomst::Gelukt) {
        NaLaden();
        emit toernooiVervangen();
    }
}

void TForm1::NaLaden()
{
    m_indeling->Vernieuw();
    if (m_teams->TeamLijst()->count() > 0)
        m_teams->TeamLijst()->setCurrentRow(0);
    m_poules->PouleLijst()->Selecteer({m_model->PouleLijst().empty() ? -1 : 0, -1});
    m_details->ToonHuidige();
    ToonTitel();
}

void TForm1::Afsluiten1Click()
{
    close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (m_afgesloten) {
        event->accept();
        return;
    }
    // Annuleren, a cancelled save and a save that failed keep the window open with the
    // changes, so the organiser can go on or save elsewhere.
    if (!m_bestand->MagAfsluiten()) {
        event->ignore();
        return;
    }
    m_afgesloten = true;
    event->accept();
    emit afgesloten();
}
