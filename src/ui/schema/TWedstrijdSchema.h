#pragma once

#include "core/afdruk/SchemaWeergave.h"
#include "core/afdruk/TPaginaMaten.h"

#include <QDateTime>
#include <QMainWindow>
#include <functional>

class ExportBediening;
class QAction;
class QComboBox;
class QLabel;
class HuidigePrinter;
class SchemaTekstVeld;
class TVraagsteller;
class ToernooiDocument;
class ToernooiModel;
struct TSchemaBoom;

// The schedule window: the built schedule as text with one team and its poule highlighted,
// the four fonts of screen and paper, and the page metrics of the current printer. The
// lines themselves come from SchemaWeergave; this window measures, shows and wires.
class TWedstrijdSchema : public QMainWindow
{
    Q_OBJECT

public:
    using Klok = std::function<QDateTime()>;

    TWedstrijdSchema(ToernooiDocument& document, HuidigePrinter& printer,
                     TVraagsteller& vragen, Klok klok = {}, QWidget* parent = nullptr);

    // Shows the window in front, measures the page and fills the view.
    void ShowSchedule();
    void MeasurePage();
    void FillView();
    void MarkVetTeam();
    // After a build: nothing highlighted, then ShowSchedule.
    void ToonNieuwSchema();

    [[nodiscard]] int VetTeamIndex() const { return m_vetTeamIndex; }
    void ZetVetTeamIndex(int index) { m_vetTeamIndex = index; }
    [[nodiscard]] int PageCount() const { return m_weergave.PageCount(); }
    [[nodiscard]] const TPaginaMaten& Maten() const { return m_maten; }
    [[nodiscard]] const SchemaWeergave& Weergave() const { return m_weergave; }
    // The highlighted team's name and its poule for an index of the VetTeam list; empty
    // names for 0 or less.
    [[nodiscard]] std::pair<QString, QString> VetTeamNamen(int index) const;
    // The current date and time as the print date: short date and long time.
    [[nodiscard]] QString PrintDatum() const;
    // The menu "Exporteren".
    [[nodiscard]] ExportBediening& Export() const { return *m_export; }

signals:
    void printGevraagd();
    // "Verbeteren" (menu and button) and "Terug naar het eigen schema".
    void verbeterGevraagd();
    void eigenSchemaGevraagd();
    // A slot dragged onto another: (round, field) of both, from 1.
    void verplaatsGevraagd(int vanRonde, int vanVeld, int naarRonde, int naarVeld);
    void uitslagenGevraagd();
    void kwaliteitGevraagd();
    void helpGevraagd(int context);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void VetTeamChange();
    void PasBreedteAan();
    void KiesFont(TLettertype TLettertypen::*font, bool opnieuwVullen);
    void MaakExportMenu();
    void MaakSchemaMenu();
    // The schedule shown changed without a build: the view follows, the highlight stays.
    void SchemaVeranderd();
    // "Wisselen": the two chosen matches change places (or one moves to the other's empty slot).
    void WisselGekozen();
    // "Uitloop...": from a round on, that day's rounds start later.
    void VraagUitloop();

    ToernooiDocument& m_document;
    ToernooiModel& m_model;
    const TSchemaBoom& m_schema;
    // The referees the view shows.
    QList<TScheidsToewijzing> m_getoondeFluiters;
    HuidigePrinter& m_printer;
    TVraagsteller& m_vragen;
    Klok m_klok;
    SchemaWeergave m_weergave;
    TPaginaMaten m_maten;
    int m_vetTeamIndex = 0;
    QComboBox* m_vetTeam = nullptr;
    SchemaTekstVeld* m_tekst = nullptr;
    QLabel* m_overloop = nullptr;
    ExportBediening* m_export = nullptr;
    QAction* m_teamAgenda = nullptr;
};
