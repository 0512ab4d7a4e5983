#pragma once

#include <QMainWindow>
#include <memory>

class DetailsBediening;
class IndelingBediening;
class PouleDetailsTab;
class PouleGroep;
class QTabWidget;
class TeamDetailsTab;
class TeamGroep;
class QAction;
class ToernooiBestand;
class ToernooiDocument;
class THelpVenster;
class ToernooiDetailsTab;
class ScheidsrechtersTab;
class ToernooiModel;
class TVeldInvulling;
class TVraagsteller;
class WedstrijdDetailsTab;

// The main window: the poule and team groups above, the detail tabs and the referees below, the menu
// bar with the file commands and help. It owns the tournament model for the whole run.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(TVraagsteller& vraagsteller, QWidget* parent = nullptr);
    ~TForm1() override;

    [[nodiscard]] ToernooiModel& Model() const { return *m_model; }
    [[nodiscard]] PouleGroep* Poules() const { return m_poules; }
    [[nodiscard]] TeamGroep* Teams() const { return m_teams; }
    [[nodiscard]] QTabWidget* Tabs() const { return m_tabs; }
    [[nodiscard]] PouleDetailsTab* PouleTab() const { return m_pouleTab; }
    [[nodiscard]] TeamDetailsTab* TeamTab() const { return m_teamTab; }
    [[nodiscard]] DetailsBediening* Details() const { return m_details; }
    [[nodiscard]] WedstrijdDetailsTab* WedstrijdTab() const { return m_wedstrijdTab; }
    [[nodiscard]] ScheidsrechtersTab* ScheidsTab() const { return m_scheidsrechtersTab; }

    void ZetVeldInvulling(TVeldInvulling* venster) { m_veldInvulling = venster; }
    void ZetHelpVenster(THelpVenster* venster) { m_help = venster; }

    // Writes the detail tabs into their records before the model is read as a whole.
    void BewaarDetails();
    // The help context of the active tab: its position plus one.
    [[nodiscard]] int TabHelpContext() const;
    // Opens the help window at a context number.
    void ToonHelp(int context);
    // Loads the tournament file given at start, before the window is first shown. A file
    // that cannot be read is reported and leaves the empty tournament.
    void LaadStartBestand(const QString& bestand);
    [[nodiscard]] ToernooiBestand& Bestand() const { return *m_bestand; }
    // The tournament with its undo history.
    [[nodiscard]] ToernooiDocument& Document() const { return *m_document; }
    // Loads a tournament recovered at start as unsaved changes of the file at pad.
    bool LaadHerstelKopie(const QByteArray& bytes, const QString& pad);

    // The menu commands.
    void Opnieuw1Click();
    void Opslaan1Click();
    void Laden1Click();
    void TeamsImporteren1Click();
    void Afsluiten1Click();
    // "Be&werken": undo and redo, also from the other windows' keys.
    void OngedaanMaken();
    void Herhalen();

signals:
    // The window was closed and the unsaved-changes question answered: the program ends.
    void afgesloten();
    // A load or "Opnieuw" replaced the tournament: a schedule still on screen is stale.
    void toernooiVervangen();
    // "&Uitslagen": the results window of the built schedule.
    void uitslagenGevraagd();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void MaakMenu();
    QWidget* MaakTabs();
    void ToonTitel();
    void ToonBewerken();
    // After a complete load: the first team and the first poule selected and shown.
    // Loads the file at pad, or the one chosen in the open dialog when pad is empty.
    void Laad(const QString& pad);
    void NaLaden();
    void HelpVoorFocus();

    TVraagsteller& m_vraagsteller;
    ToernooiModel* m_model = nullptr;
    ToernooiDocument* m_document = nullptr;
    QAction* m_ongedaan = nullptr;
    QAction* m_herhalen = nullptr;
    std::unique_ptr<ToernooiBestand> m_bestand;
    PouleGroep* m_poules = nullptr;
    TeamGroep* m_teams = nullptr;
    QTabWidget* m_tabs = nullptr;
    TeamDetailsTab* m_teamTab = nullptr;
    PouleDetailsTab* m_pouleTab = nullptr;
    ToernooiDetailsTab* m_toernooiTab = nullptr;
    WedstrijdDetailsTab* m_wedstrijdTab = nullptr;
    ScheidsrechtersTab* m_scheidsrechtersTab = nullptr;
    DetailsBediening* m_details = nullptr;
    IndelingBediening* m_indeling = nullptr;
    TVeldInvulling* m_veldInvulling = nullptr;
    THelpVenster* m_help = nullptr;
    bool m_afgesloten = false;
};
