#include "ui/schema/TWedstrijdSchema.h"

#include "core/document/ToernooiDocument.h"
#include "core/model/TPoule.h"
#include "core/model/Tijdstempel.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"
#include "core/schema/SchemaOverloop.h"
#include "gui/afdruk/LettertypeOmzetting.h"
#include "gui/afdruk/MeetCanvas.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/gemeen/VensterPlaatsing.h"
#include "ui/schema/SchemaTekstVeld.h"
#include "ui/uitwisseling/ExportBediening.h"

#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QPrinter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

TWedstrijdSchema::TWedstrijdSchema(ToernooiDocument& document, HuidigePrinter& printer, TVraagsteller& vragen, Klok klok,
                                   QWidget* parent)
    : QMainWindow(parent), m_document(document), m_model(document.Model()),
      m_schema(document.Schema()), m_printer(printer), m_vragen(vragen),
      m_klok(klok ? std::move(klok) : Klok([] { return QDateTime::currentDateTime(); }))
{
    setObjectName(QStringLiteral("WedstrijdSchema"));
    setWindowTitle(QStringLiteral("Wedstrijd schema."));
    resize(700, 540);

    auto* midden = new QWidget(this);
    auto* kolom = new QVBoxLayout(midden);
    auto* paneel = new QHBoxLayout;
    paneel->addWidget(new QLabel(QStringLiteral("Druk team:"), midden));
    m_vetTeam = new QComboBox(midden);
    m_vetTeam->setObjectName(QStringLiteral("VetTeam"));
    m_vetTeam->setEditable(true);
    m_vetTeam->setInsertPolicy(QComboBox::NoInsert);
    m_vetTeam->setMinimumContentsLength(24);
    m_vetTeam->addItem(QStringLiteral("Geen"));
    paneel->addWidget(m_vetTeam);
    paneel->addWidget(new QLabel(QStringLiteral("highlighted af."), midden));
    paneel->addStretch();
    auto* verbeterKnop = new QPushButton(QStringLiteral("Verbeteren"), midden);
    verbeterKnop->setObjectName(QStringLiteral("VerbeterKnop"));
    connect(verbeterKnop, &QPushButton::clicked, this, &TWedstrijdSchema::verbeterGevraagd);
    paneel->addWidget(verbeterKnop);
    kolom->addLayout(paneel);
    // Shown only when the schedule runs past the tournament's days.
    m_overloop = new QLabel(midden);
    m_overloop->setObjectName(QStringLiteral("Overloop"));
    m_overloop->setWordWrap(true);
    m_overloop->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_overloop->hide();
    kolom->addWidget(m_overloop);
    m_tekst = new SchemaTekstVeld(midden);
    m_tekst->setObjectName(QStringLiteral("RichEdit1"));
    kolom->addWidget(m_tekst);
    setCentralWidget(midden);

    QAction* print = menuBar()->addAction(QStringLiteral("&Print"));
    print->setObjectName(QStringLiteral("Print1"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &TWedstrijdSchema::printGevraagd);
    QAction* uitslagen = menuBar()->addAction(QStringLiteral("&Uitslagen"));
    uitslagen->setObjectName(QStringLiteral("Uitslagen1"));
    connect(uitslagen, &QAction::triggered, this, &TWedstrijdSchema::uitslagenGevraagd);
    QAction* kwaliteit = menuBar()->addAction(QStringLiteral("&Kwaliteit"));
    kwaliteit->setObjectName(QStringLiteral("Kwaliteit1"));
    connect(kwaliteit, &QAction::triggered, this, &TWedstrijdSchema::kwaliteitGevraagd);
    QMenu* fonts = menuBar()->addMenu(QStringLiteral("Lettertypen"));
    auto fontItem = [this, fonts](const char* naam, const char* tekst, TLettertype TLettertypen::*font,
                                  bool opnieuwVullen) {
        QAction* actie = fonts->addAction(QString::fromUtf8(tekst));
        actie->setObjectName(QString::fromUtf8(naam));
        connect(actie, &QAction::triggered, this,
                [this, font, opnieuwVullen] { KiesFont(font, opnieuwVullen); });
    };
    fontItem("Textfont1", "Toernooi schema tekst", &TLettertypen::TextFont, false);
    fontItem("Headerfont1", "Toernooi naam en datum", &TLettertypen::HeaderFont, true);
    fontItem("Footerfont1", "Pagina nummer en print datum", &TLettertypen::FooterFont, true);
    fontItem("VetTeam1", "Highlighted team", &TLettertypen::VetTeamFont, false);
    MaakExportMenu();
    QAction* help = menuBar()->addAction(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, [this] { emit helpGevraagd(6); });

    connect(m_vetTeam, &QComboBox::currentIndexChanged, this, &TWedstrijdSchema::VetTeamChange);
    connect(m_vetTeam, &QComboBox::editTextChanged, this, &TWedstrijdSchema::VetTeamChange);
    MaakSchemaMenu();
}

void TWedstrijdSchema::MaakSchemaMenu()
{
    // Before "Help", which stays the last item of the bar.
    auto* menu = new QMenu(QStringLiteral("&Schema"), this);
    menu->setObjectName(QStringLiteral("SchemaMenu"));
    menuBar()->insertMenu(findChild<QAction*>(QStringLiteral("Help1")), menu);
    QAction* verbeter = menu->addAction(QStringLiteral("&Verbeteren"));
    verbeter->setObjectName(QStringLiteral("Verbeteren1"));
    connect(verbeter, &QAction::triggered, this, &TWedstrijdSchema::verbeterGevraagd);
    QAction* eigen = menu->addAction(QStringLiteral("&Terug naar het eigen schema"));
    eigen->setObjectName(QStringLiteral("EigenSchema1"));
    connect(eigen, &QAction::triggered, this, &TWedstrijdSchema::eigenSchemaGevraagd);
    menu->addSeparator();
    QAction* wissel = menu->addAction(QStringLiteral("&Wisselen"));
    wissel->setObjectName(QStringLiteral("Wisselen1"));
    connect(wissel, &QAction::triggered, this, &TWedstrijdSchema::WisselGekozen);
    QAction* uitloop = menu->addAction(QStringLiteral("&Uitloop..."));
    uitloop->setObjectName(QStringLiteral("Uitloop1"));
    connect(uitloop, &QAction::triggered, this, &TWedstrijdSchema::VraagUitloop);
    connect(menu, &QMenu::aboutToShow, this,
            [this, eigen] { eigen->setEnabled(!m_model.SchemaIndeling().Leeg()); });
    connect(&m_document, &ToernooiDocument::schemaVeranderd, this, &TWedstrijdSchema::SchemaVeranderd);
    // A referee assigned or changed shows at once; other changes of the tournament leave the
    // view as it is.
    connect(&m_document, &ToernooiDocument::scheidsrechtersVeranderd, this, [this] {
        // A tournament without referees (most changes on a match day) costs nothing here.
        if (!isVisible() || (m_getoondeFluiters.isEmpty() && m_model.Scheidsrechters().Toewijzingen.isEmpty()))
            return;
        if (m_document.SchemaGebouwd() && m_document.Scheidsrechters().Toewijzingen != m_getoondeFluiters)
            SchemaVeranderd();
    });
    // A match dragged onto another slot moves there, or changes places with what stands there.
    connect(m_tekst, &SchemaTekstVeld::regelGesleept, this, [this](int van, int naar) {
        const auto a = m_weergave.Vak(van);
        const auto b = m_weergave.Vak(naar);
        if (a && b)
            emit verplaatsGevraagd(a->first, a->second, b->first, b->second);
    });
}

void TWedstrijdSchema::SchemaVeranderd()
{
    if (!isVisible())
        return;
    MeasurePage();
    FillView();
    PasBreedteAan();
}

void TWedstrijdSchema::WisselGekozen()
{
    const std::vector<int>& gekozen = m_tekst->Gekozen();
    if (gekozen.size() == 2) {
        const auto a = m_weergave.Vak(gekozen[0]);
        const auto b = m_weergave.Vak(gekozen[1]);
        if (a && b) {
            emit verplaatsGevraagd(a->first, a->second, b->first, b->second);
            return;
        }
    }
    m_vragen.Melding(QStringLiteral("Wisselen"),
                     QStringLiteral("Kies eerst twee wedstrijden: klik op de eerste en met Ctrl "
                                    "ingedrukt op de tweede."));
}

void TWedstrijdSchema::VraagUitloop()
{
    // The round of the line chosen last, or of the first line of the schedule.
    int ronde = 1;
    for (const int regel : m_tekst->Gekozen()) {
        if (const auto vak = m_weergave.Vak(regel))
            ronde = vak->first;
    }
    ronde = std::clamp(ronde, 1, MaxUitloopRonde);
    int minuten = 10;
    for (const TUitloopRegel& regel : m_model.Uitloop()) {
        if (regel.Ronde == ronde)
            minuten = regel.Minuten;
    }
    const auto antwoord = m_vragen.VraagUitloop(ronde, minuten);
    if (antwoord && !m_model.ZetUitloop(antwoord->Ronde, antwoord->Minuten)) {
        m_vragen.Melding(QStringLiteral("Uitloop"),
                         QStringLiteral("Een uitloop kan beginnen in ronde 1 tot en met %1 en "
                                        "duurt 0 tot en met %2 minuten.")
                             .arg(MaxUitloopRonde)
                             .arg(MaxUitloopMinuten));
    }
}

void TWedstrijdSchema::MaakExportMenu()
{
    m_export = new ExportBediening(m_document, m_vragen, m_klok, this);
    // Where the last export went stays in the status bar until the next message.
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    connect(m_export, &ExportBediening::geschreven, this, [this](const QString& pad) {
        statusBar()->showMessage(QStringLiteral("Geschreven: ") + QDir::toNativeSeparators(pad));
    });
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Exporteren"));
    menu->setObjectName(QStringLiteral("Exporteren1"));
    auto item = [this, menu](const char* naam, const QString& tekst, auto slot) {
        QAction* actie = menu->addAction(tekst);
        actie->setObjectName(QString::fromLatin1(naam));
        connect(actie, &QAction::triggered, this, slot);
        return actie;
    };
    item("ExportCsv1", QStringLiteral("Spreadsheet (CSV)…"), [this] { m_export->SpreadsheetClick(); });
    item("ExportHtml1", QStringLiteral("Webpagina (HTML)…"), [this] { m_export->WebpaginaClick(); });
    item("ExportAgenda1", QStringLiteral("Agenda (iCalendar)…"), [this] { m_export->AgendaClick(); });
    m_teamAgenda = item("ExportTeamAgenda1", QStringLiteral("Agenda van het gekozen team…"), [this] {
        const QString team = VetTeamNamen(m_vetTeamIndex).first;
        if (team.isEmpty()) {
            m_vragen.Melding(QStringLiteral("Exporteren"),
                             QStringLiteral("Kies eerst bij \"Druk team:\" een team."));
            return;
        }
        m_export->AgendaClick(team);
    });
    m_teamAgenda->setEnabled(false);
}

void TWedstrijdSchema::ShowSchedule()
{
    show();
    raise();
    activateWindow();
    MeasurePage();
    FillView();
    PasBreedteAan();
}

void TWedstrijdSchema::PasBreedteAan()
{
    // Wide enough for the widest line of the schedule in its fonts, so a slot line (label
    // column, field, poule and both teams) reads without scrolling sideways.
    const QMargins rand = centralWidget()->layout()->contentsMargins();
    VensterPlaatsing::MaakBreed(*this, m_tekst->NodigeBreedte() + rand.left() + rand.right());
}

void TWedstrijdSchema::MeasurePage()
{
    MeetCanvas printer(m_printer.Printer());
    m_maten = TPaginaMaten::MeasurePage(printer, m_model.Lettertypen());
}

QString TWedstrijdSchema::PrintDatum() const
{
    return Tijdstempel::DatumTijd(m_klok());
}

void TWedstrijdSchema::FillView()
{
    const QString overloop = SchemaOverloop(m_schema, m_model.Velden());
    m_overloop->setText(overloop);
    m_overloop->setVisible(!overloop.isEmpty());
    SchemaWeergave::Invoer invoer;
    invoer.Schema = &m_schema;
    invoer.Velden = &m_model.Velden();
    invoer.ToernooiNaam = m_model.ToernooiNaam();
    invoer.StartDatum = m_model.StartDatum();
    invoer.PrintDatum = PrintDatum();
    invoer.AantalVelden = m_model.AantalVelden();
    invoer.LinesPerPage = m_maten.LinesPerPage;
    invoer.Fonts = m_model.Lettertypen();
    m_getoondeFluiters = m_document.SchemaGebouwd() ? m_document.Scheidsrechters().Toewijzingen
                                                    : QList<TScheidsToewijzing>{};
    invoer.Scheidsrechters = m_getoondeFluiters;
    // The label column is padded with blanks measured on the screen.
    invoer.SchermBreedte = [](const QString& tekst, const TLettertype& font) {
        return QFontMetrics(LettertypeOmzetting::NaarQFont(font)).horizontalAdvance(tekst);
    };
    m_weergave.FillView(invoer);
    m_tekst->ToonWeergave(&m_weergave);
    MarkVetTeam();
}

std::pair<QString, QString> TWedstrijdSchema::VetTeamNamen(int index) const
{
    if (index <= 0 || index >= m_vetTeam->count())
        return {};
    const QString team = m_vetTeam->itemText(index);
    for (const auto& record : m_model.TeamLijst()) {
        if (record->TeamNaam == team) {
            const TPoule* poule = m_model.PouleVanTeam(record.get());
            return {team, poule ? poule->Details->PouleNaam : QString()};
        }
    }
    return {team, QString()};
}

void TWedstrijdSchema::MarkVetTeam()
{
    const auto [team, poule] = VetTeamNamen(m_vetTeamIndex);
    m_weergave.MarkVetTeam(team, poule);
    m_tekst->WerkMarkeringBij();
    m_teamAgenda->setEnabled(!team.isEmpty());
}

void TWedstrijdSchema::ToonNieuwSchema()
{
    m_vetTeamIndex = -2;
    m_vetTeam->setCurrentIndex(0);
    ShowSchedule();
}

void TWedstrijdSchema::showEvent(QShowEvent* event)
{
    VensterPlaatsing::Plaats(*this, parentWidget(), VensterPlaatsing::Wijze::Over);
    QMainWindow::showEvent(event);
    if (m_vetTeam->currentIndex() > 0)
        return;
    const QSignalBlocker stil(m_vetTeam);
    m_vetTeam->clear();
    m_vetTeam->addItem(QStringLiteral("Geen"));
    for (const auto& team : m_model.TeamLijst())
        m_vetTeam->addItem(team->TeamNaam);
    m_vetTeam->setCurrentIndex(0);
}

void TWedstrijdSchema::VetTeamChange()
{
    // Typed text that names no entry selects nothing.
    const int index = m_vetTeam->findText(m_vetTeam->currentText(), Qt::MatchExactly);
    if (index == m_vetTeamIndex)
        return;
    m_vetTeamIndex = index;
    MarkVetTeam();
}

void TWedstrijdSchema::KiesFont(TLettertype TLettertypen::*font, bool opnieuwVullen)
{
    const std::optional<TLettertype> gekozen = m_vragen.KiesLettertype(m_model.Lettertypen().*font);
    if (!gekozen)
        return;
    TLettertypen fonts = m_model.Lettertypen();
    fonts.*font = *gekozen;
    m_model.ZetLettertypen(fonts);
    if (opnieuwVullen) {
        ShowSchedule();
        return;
    }
    m_weergave.ZetTekstFonts(fonts.TextFont, fonts.VetTeamFont);
    m_tekst->ToonWeergave(&m_weergave);
    MarkVetTeam();
}
