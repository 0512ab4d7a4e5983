#include "ui/programma/TProgramma.h"

#include "core/bestand/ToernooiBestand.h"
#include "core/document/BouwDriver.h"
#include "core/document/ToernooiDocument.h"
#include "core/document/VerbeterDriver.h"
#include "core/herstel/HerstelAanbod.h"
#include "core/herstel/HerstelKopie.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/StartArgumenten.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/afdruk/PrintRun.h"
#include "ui/afdruk/TPrintSetup.h"
#include "ui/gemeen/GewijzigdTitel.h"
#include "ui/gemeen/Knop.h"
#include "ui/indeling/TToevoegen.h"
#include "ui/instellingen/TVeldInvulling.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/kwaliteit/TKwaliteitVenster.h"
#include "ui/programma/Hulpbronnen.h"
#include "ui/programma/TAbout.h"
#include "ui/programma/TDialoogVraagsteller.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/THelpVenster.h"
#include "ui/schema/TErrorList.h"
#include "ui/schema/TWedstrijdSchema.h"
#include "ui/schema/Tprogress.h"
#include "ui/uitslag/TUitslagenVenster.h"
#include "ui/uitwisseling/ExportBediening.h"

#include <QApplication>
#include <QPushButton>
#include <QShortcut>

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <functional>

namespace {

void Centreer(QWidget& venster)
{
    if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
        QRect plek = venster.frameGeometry();
        plek.moveCenter(scherm->availableGeometry().center());
        venster.move(plek.topLeft());
    }
}

// F1 in a window opens help at the topic of the focused control or, failing that, of the
// window itself.
void ZetHelpToets(QWidget& venster, TForm1& form)
{
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &venster);
    QObject::connect(f1, &QShortcut::activated, &form, [&venster, &form] {
        const QWidget* focus = QApplication::focusWidget();
        form.ToonHelp(HelpContextVan(focus && focus->window() == &venster ? focus : &venster));
    });
}

// Saving, leaving and printing work from every window the organiser works in, as in the main
// window; leaving asks its question over the window that asks.
void ZetWerkToetsen(QWidget& venster, TForm1& form, const std::function<void()>& print)
{
    auto toets = [&venster](const QKeySequence& volgorde, const std::function<void()>& actie) {
        auto* snelkoppeling = new QShortcut(volgorde, &venster);
        snelkoppeling->setContext(Qt::WindowShortcut);
        QObject::connect(snelkoppeling, &QShortcut::activated, &venster, actie);
    };
    if (&venster != &form) {
        toets(QKeySequence(Qt::CTRL | Qt::Key_S), [&form] { form.Opslaan1Click(); });
        toets(QKeySequence(Qt::CTRL | Qt::Key_Q), [&form] { form.Afsluiten1Click(); });
        toets(QKeySequence(Qt::CTRL | Qt::Key_Z), [&form] { form.OngedaanMaken(); });
        toets(QKeySequence(Qt::CTRL | Qt::Key_Y), [&form] { form.Herhalen(); });
        toets(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [&form] { form.Herhalen(); });
    }
    if (print)
        toets(QKeySequence(Qt::CTRL | Qt::Key_P), print);
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
    m_printer = std::make_unique<HuidigePrinter>();
    // The schedule lives in the document; the build driver makes it, the windows over it and
    // the print run read it.
    ToernooiDocument& document = m_form1->Document();
    m_bouw = std::make_unique<BouwDriver>(document, *m_vraagsteller, BouwDriver::Stappen{});
    m_wedstrijdSchema = new TWedstrijdSchema(document, *m_printer,
                                             *m_vraagsteller, {}, m_form1.get());
    m_wedstrijdSchema->setWindowFlag(Qt::Window);
    m_printSetup = new TPrintSetup(m_form1->Model(), *m_printer, m_wedstrijdSchema);
    m_uitslagen = new TUitslagenVenster(document, *m_vraagsteller, m_form1.get());
    m_uitslagen->setWindowFlag(Qt::Window);
    // The exports take the results from the match day the results window keeps.
    m_wedstrijdSchema->Export().ZetDagBron([this] { return m_uitslagen->Dag(); });
    m_kwaliteit = new TKwaliteitVenster(document, *m_printer, *m_printSetup,
                                        *m_vraagsteller, [this] { return m_wedstrijdSchema->PrintDatum(); },
                                        m_wedstrijdSchema);
    m_progress = new Tprogress(m_form1.get());
    m_errorList = new TErrorList(m_form1.get());
    m_printRun = std::make_unique<PrintRun>(document, *m_printer,
                                            *m_printSetup, *m_wedstrijdSchema, *m_vraagsteller);
    m_bouw->ZetStappen({[this](const QStringList& regels) { m_errorList->Toon(regels); },
                        [this] { m_form1->BewaarDetails(); },
                        [this](const std::function<TBouwUitkomst()>& bouw) {
                            // A build is asked for in the main window; the progress stands over it.
                            ZetVoortgangOver(m_form1.get());
                            return m_progress->VoerUit(bouw);
                        },
                        [this] {
                            m_uitslagen->NieuweDag();
                            m_wedstrijdSchema->ToonNieuwSchema();
                            if (m_kwaliteit->isVisible())
                                m_kwaliteit->Vernieuw();
                        },
                        [this] {
                            m_wedstrijdSchema->show();
                            m_wedstrijdSchema->raise();
                            m_wedstrijdSchema->activateWindow();
                        }});
    m_help = new THelpVenster(m_form1.get());
    m_help->ZetHelpBestand(Hulpbronnen::HelpDocument());
    if (m_dialogen) {
        m_dialogen->ZetOuder(m_form1.get());
        m_dialogen->ZetNaamDialoog(m_toevoegen);
    }
    m_form1->ZetVeldInvulling(m_veldInvulling);
    m_form1->ZetHelpVenster(m_help);
    QObject::connect(m_about.get(), &TAbout::gestart, m_form1.get(), &QWidget::show);
    QObject::connect(m_form1->WedstrijdTab()->Button1(), &QPushButton::clicked, m_form1.get(),
                     [this] { m_bouw->Button1Click(); });
    QObject::connect(m_progress, &Tprogress::annuleren, m_form1.get(), [this] {
        m_bouw->Annuleer();
        m_verbeter->Annuleer();
    });
    m_verbeter = std::make_unique<VerbeterDriver>(document, *m_vraagsteller);
    m_verbeter->ZetVoerUit([this](const std::function<void()>& werk) {
        // The progress window stands over the schedule window that asked, and stays its own
        // until the next build: when it closes, the window manager hands the focus back to the
        // schedule window, where the figures are told.
        ZetVoortgangOver(m_wedstrijdSchema);
        (void)m_progress->VoerUit([&werk] {
            werk();
            return TBouwUitkomst{true, {}, false};
        });
        m_wedstrijdSchema->activateWindow();
    });
    QObject::connect(m_wedstrijdSchema, &TWedstrijdSchema::verbeterGevraagd, m_wedstrijdSchema,
                     [this] { (void)m_verbeter->Verbeter(); });
    QObject::connect(m_wedstrijdSchema, &TWedstrijdSchema::eigenSchemaGevraagd, m_wedstrijdSchema,
                     [this] { (void)m_verbeter->TerugNaarEigen(); });
    QObject::connect(m_wedstrijdSchema, &TWedstrijdSchema::verplaatsGevraagd, m_wedstrijdSchema,
                     [this](int vanRonde, int vanVeld, int naarRonde, int naarVeld) {
                         (void)m_verbeter->Verplaats({vanRonde, vanVeld}, {naarRonde, naarVeld});
                     });
    // An improved, moved or taken back schedule: every window over it follows.
    QObject::connect(&document, &ToernooiDocument::schemaVeranderd, m_form1.get(), [this] {
        m_uitslagen->NieuweDag();
        if (m_kwaliteit->isVisible())
            m_kwaliteit->Vernieuw();
    });
    QObject::connect(m_wedstrijdSchema, &TWedstrijdSchema::printGevraagd, m_wedstrijdSchema,
                     [this] { m_printRun->Print1Click(); });
    QObject::connect(m_wedstrijdSchema, &TWedstrijdSchema::helpGevraagd, m_form1.get(), &TForm1::ToonHelp);
    QObject::connect(m_wedstrijdSchema, &TWedstrijdSchema::kwaliteitGevraagd, m_kwaliteit,
                     &TKwaliteitVenster::ToonKwaliteit);
    QObject::connect(m_kwaliteit, &TKwaliteitVenster::helpGevraagd, m_form1.get(), &TForm1::ToonHelp);
    QObject::connect(m_printSetup, &TPrintSetup::helpGevraagd, m_form1.get(), &TForm1::ToonHelp);
    // The windows that open from the "Wedstrijd details" tab share its help topic; the
    // schedule window carries F1 on its own "Help" item.
    ZetHelpContext(m_veldInvulling, 4);
    ZetHelpContext(m_progress, 4);
    ZetHelpContext(m_errorList, 4);
    ZetHelpContext(m_printSetup, 5);
    ZetHelpContext(m_uitslagen, 7);
    for (QWidget* venster : std::initializer_list<QWidget*>{
             m_about.get(), m_toevoegen, m_veldInvulling, m_printSetup, m_progress, m_errorList,
             m_uitslagen})
        ZetHelpToets(*venster, *m_form1);
    // A schedule of the tournament that a load or "Opnieuw" replaced is no longer shown.
    QObject::connect(m_form1.get(), &TForm1::toernooiVervangen, m_wedstrijdSchema, [this] {
        if (m_printSetup->isVisible())
            m_printSetup->reject();
        m_kwaliteit->hide();
        m_wedstrijdSchema->hide();
        m_uitslagen->Vergeet();
    });
    QObject::connect(m_wedstrijdSchema, &TWedstrijdSchema::uitslagenGevraagd, m_uitslagen,
                     &TUitslagenVenster::Toon);
    QObject::connect(m_form1.get(), &TForm1::uitslagenGevraagd, m_uitslagen, &TUitslagenVenster::Toon);
    ZetWerkToetsen(*m_form1, *m_form1, [this] { PrintSchema(); });
    ZetWerkToetsen(*m_uitslagen, *m_form1, [this] { PrintSchema(); });
    ZetWerkToetsen(*m_wedstrijdSchema, *m_form1, {}); // its menu "&Print" has Ctrl+P
    ZetWerkToetsen(*m_kwaliteit, *m_form1, [this] { (void)m_kwaliteit->Print(); });
    for (QWidget* venster : std::initializer_list<QWidget*>{m_uitslagen, m_wedstrijdSchema, m_kwaliteit})
        GewijzigdTitel::Volg(*venster, m_form1->Model());
    // Typing on in a field joins one undo step until the field is left.
    QObject::connect(qApp, &QApplication::focusChanged, m_form1.get(),
                     [this] { m_form1->Document().SluitSamenvoegen(); });
    QObject::connect(m_printSetup, &TPrintSetup::printerOnbekend, m_form1.get(), [this](const QString& naam) {
        m_vraagsteller->Melding(QStringLiteral("Fout"),
                                QStringLiteral("De printer %1 is niet (meer) bekend.").arg(naam));
    });
}

TProgramma::~TProgramma()
{
    // No window outlives what it shows: the windows over the schedule and the results go
    // while the schedule, the match day and the model still exist (a score still being typed
    // is committed as its table goes), then the print run and the schedule, and the main
    // window with the model last. The progress window goes before the schedule window, whose
    // child it may be.
    m_printRun.reset();
    for (QWidget* venster : std::initializer_list<QWidget*>{
             m_kwaliteit, m_printSetup, m_uitslagen, m_progress, m_wedstrijdSchema, m_errorList,
             m_help, m_veldInvulling, m_toevoegen})
        delete venster;
    m_bouw.reset();
}

void TProgramma::ZetVoortgangOver(QWidget* venster)
{
    if (m_progress->parentWidget() != venster)
        m_progress->setParent(venster, m_progress->windowFlags());
}

void TProgramma::PrintSchema()
{
    if (!m_form1->Document().SchemaGebouwd() || m_form1->Document().Schema().Leeg()) {
        m_vraagsteller->Melding(QStringLiteral("Printen"),
                                QStringLiteral("Er is nog geen schema om te printen. Bouw het schema "
                                               "met \"Bouw toernooi schema\" op het tabblad "
                                               "\"Wedstrijd details\"."));
        return;
    }
    m_printRun->Print1Click();
}

QString TProgramma::HerstelMap()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

void TProgramma::StartHerstel()
{
    const QString map = HerstelMap();
    if (map.isEmpty())
        return;
    HerstelAanbod::BiedAan(map, *m_vraagsteller, [this](const QByteArray& bytes, const QString& pad) {
        return m_form1->LaadHerstelKopie(bytes, pad);
    });
    m_herstel = std::make_unique<HerstelKopie>(m_form1->Model(), map,
                                               [this] { return m_form1->Document().Pad(); });
    m_herstel->MeldFout = [this](const QString& tekst) { m_vraagsteller->Melding(QStringLiteral("Fout"), tekst); };
    // A clean exit: the unsaved-changes question was answered, nothing is left to recover.
    QObject::connect(m_form1.get(), &TForm1::afgesloten, m_herstel.get(), &HerstelKopie::Stop);
}

void TProgramma::Start(const QStringList& argumenten)
{
    const QString bestand = StartArgumenten::StartBestand(argumenten);
    if (!bestand.isEmpty())
        m_form1->LaadStartBestand(bestand);
    StartHerstel();

    Centreer(*m_about);
    m_about->show();
    const QString fout = m_about->LaadAfbeelding(Hulpbronnen::StartAfbeelding());
    if (!fout.isEmpty())
        m_vraagsteller->Melding(
            QStringLiteral("Fout"),
            QStringLiteral("De afbeelding van het startvenster kan niet getoond worden.\n") + fout);
}
