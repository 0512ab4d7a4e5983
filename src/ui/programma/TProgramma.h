#pragma once

#include <QStringList>
#include <memory>

class BouwDriver;
class VerbeterDriver;
class HerstelKopie;
class HuidigePrinter;
class QWidget;
class PrintRun;
class TAbout;
class TErrorList;
class TKwaliteitVenster;
class TPrintSetup;
class Tprogress;
class TWedstrijdSchema;
class TDialoogVraagsteller;
class TForm1;
class THelpVenster;
class TToevoegen;
class TUitslagenVenster;
class TVeldInvulling;
class TVraagsteller;

// The desktop program as a whole: creates its windows once, in their fixed order, opens the
// tournament file named on the command line and shows the start window. Questions go to the
// given asker, or to real dialogs when none is given.
class TProgramma
{
public:
    explicit TProgramma(TVraagsteller* vraagsteller = nullptr);
    ~TProgramma();

    // The file named by the arguments (without the program name) is loaded before the start
    // window shows, then the recovery copies a crash left behind are offered; a picture that
    // cannot be shown is reported after it.
    void Start(const QStringList& argumenten);

    [[nodiscard]] TAbout& About() const { return *m_about; }
    [[nodiscard]] TForm1& Form1() const { return *m_form1; }
    [[nodiscard]] TToevoegen& Toevoegen() const { return *m_toevoegen; }
    [[nodiscard]] TVeldInvulling& VeldInvulling() const { return *m_veldInvulling; }
    [[nodiscard]] THelpVenster& Help() const { return *m_help; }
    [[nodiscard]] TVraagsteller& Vraagsteller() const { return *m_vraagsteller; }
    [[nodiscard]] TWedstrijdSchema& WedstrijdSchema() const { return *m_wedstrijdSchema; }
    [[nodiscard]] TPrintSetup& PrintSetup() const { return *m_printSetup; }
    [[nodiscard]] TUitslagenVenster& UitslagenVenster() const { return *m_uitslagen; }
    [[nodiscard]] TKwaliteitVenster& Kwaliteit() const { return *m_kwaliteit; }
    [[nodiscard]] BouwDriver& Bouw() const { return *m_bouw; }
    [[nodiscard]] HuidigePrinter& Printer() const { return *m_printer; }
    // The recovery copy of unsaved changes; there from Start on.
    [[nodiscard]] HerstelKopie* Herstel() const { return m_herstel.get(); }
    // The folder of the recovery copies: the user's data folder.
    [[nodiscard]] static QString HerstelMap();

private:
    // Ctrl+P outside the schedule window: the print dialog of the schedule, once there is one.
    void PrintSchema();
    void StartHerstel();
    // Lets the progress window stand over the window that asked for the work.
    void ZetVoortgangOver(QWidget* venster);

    std::unique_ptr<TDialoogVraagsteller> m_dialogen;
    TVraagsteller* m_vraagsteller = nullptr;
    std::unique_ptr<TAbout> m_about;
    std::unique_ptr<TForm1> m_form1;
    // Children of the main window, which deletes them.
    TToevoegen* m_toevoegen = nullptr;
    TVeldInvulling* m_veldInvulling = nullptr;
    THelpVenster* m_help = nullptr;
    std::unique_ptr<HuidigePrinter> m_printer;
    TWedstrijdSchema* m_wedstrijdSchema = nullptr;
    TPrintSetup* m_printSetup = nullptr;
    TUitslagenVenster* m_uitslagen = nullptr;
    TKwaliteitVenster* m_kwaliteit = nullptr;
    Tprogress* m_progress = nullptr;
    TErrorList* m_errorList = nullptr;
    std::unique_ptr<BouwDriver> m_bouw;
    std::unique_ptr<VerbeterDriver> m_verbeter;
    std::unique_ptr<PrintRun> m_printRun;
    // Last, so that it goes before the model it watches.
    std::unique_ptr<HerstelKopie> m_herstel;
};
