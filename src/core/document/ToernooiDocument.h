#pragma once

#include "core/document/Geschiedenis.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"
#include "core/scheidsrechters/Toewijzen.h"

#include <QObject>
#include <QString>


// One tournament as the organiser edits it: its data and results (the model), the schedule
// built from it and whether that is current, the file it belongs to, whether it has unsaved
// changes, and its undo history. Every change of the model is a step: the changes made in one go (one command, one event of the program) are taken
// together as one step when the program is idle again, or at the latest before an undo, a
// redo or a save. A load or "Opnieuw" starts the history afresh. Undoing back to the saved
// state leaves no unsaved changes.
class ToernooiDocument : public QObject
{
    Q_OBJECT

public:
    explicit ToernooiDocument(ToernooiModel& model, QObject* parent = nullptr);

    [[nodiscard]] ToernooiModel& Model() const { return m_model; }

    // --- The built schedule ---------------------------------------------------------------
    // The schedule of the tournament; the windows over the schedule read it here. It is the
    // builder's own, or the kept schedule (improved, or moved by hand) while that fits.
    [[nodiscard]] const TSchemaBoom& Schema() const { return m_schema; }
    // The builder's own schedule of the last build.
    [[nodiscard]] const TSchemaBoom& EigenSchema() const { return m_eigenSchema; }
    // Whether the schedule belongs to this tournament: set by a build, cleared by a load and
    // "Opnieuw"; undo brings back whether it was current for the state it returns to.
    [[nodiscard]] bool SchemaGebouwd() const { return m_schemaGebouwd; }
    // A new build's schedule, current from now on: the builder's own and the one shown (the
    // kept schedule where that fits). Each build has its own number.
    void ZetNieuwSchema(TSchemaBoom eigen, TSchemaBoom getoond);
    void ZetNieuwSchema(TSchemaBoom schema) { ZetNieuwSchema(schema, schema); }
    [[nodiscard]] quint64 BouwNummer() const { return m_bouwNummer; }

    // --- Referees -------------------------------------------------------------------------
    // The referees on the schedule as it stands: the assignment the tournament keeps, carried
    // over to it (a match that moved keeps its referee while the rules allow), and the matches
    // whose referee no longer may, as open with the reason. Nothing without a current schedule.
    [[nodiscard]] const TScheidsUitkomst& Scheidsrechters() const;

    // --- The file -------------------------------------------------------------------------
    // The tournament file loaded or saved last, which "&Opslaan" proposes; empty for a
    // tournament that has no file yet (at start and after "Opnieuw").
    [[nodiscard]] QString Pad() const { return m_pad; }
    // The folder of the tournament file loaded or saved last; the file dialogs start there.
    [[nodiscard]] QString Map() const { return m_map; }
    // The tournament now belongs to the file at pad (made absolute).
    void OnthoudPad(const QString& pad);
    // The tournament has no file any more; the dialogs still start in the last folder.
    void VergeetPad() { m_pad.clear(); }
    // Changes since the tournament was loaded, saved or started.
    [[nodiscard]] bool Gewijzigd() const { return m_model.Gewijzigd(); }

    // Takes the changes made since the last step as one step; nothing when there are none.
    void SluitStap();
    // Typing on in a field joins the last step until the field is left: called then.
    void SluitSamenvoegen();

    [[nodiscard]] bool KanOngedaan();
    [[nodiscard]] bool KanHerhalen();
    // "Ongedaan maken: uitslag invoeren", or without the name when there is nothing to undo.
    [[nodiscard]] QString OngedaanTekst();
    [[nodiscard]] QString HerhaalTekst();
    // Each returns false when there was nothing to take back or do again.
    bool OngedaanMaken();
    bool Herhalen();

    [[nodiscard]] const Geschiedenis& Historie() const { return m_geschiedenis; }

signals:
    // Whether undo or redo is possible, or their step names, may have changed.
    void geschiedenisVeranderd();
    // The schedule shown changed without a build: improved, moved by hand, taken back, or its
    // times moved by a delay.
    void schemaVeranderd();
    // The referees on the schedule may read differently: their settings, the schedule or the
    // tournament changed.
    void scheidsrechtersVeranderd();

private:
    void Veranderd();
    void GewijzigdVeranderd(bool gewijzigd);
    [[nodiscard]] Geschiedenis::TStap HuidigeStap(const ToernooiModel::TBewerking& bewerking) const;
    void Herstel(const Geschiedenis::TStap& stap);

    ToernooiModel& m_model;
    void IndelingVeranderd();
    void ScheidsrechtersVerouderd();

    TSchemaBoom m_schema;
    TSchemaBoom m_eigenSchema;
    mutable TScheidsUitkomst m_scheidsrechters;
    mutable bool m_scheidsrechtersVerouderd = true;
    bool m_schemaGebouwd = false;
    quint64 m_bouwNummer = 0;
    QString m_pad;
    QString m_map;
    Geschiedenis m_geschiedenis;
    bool m_open = false;        // changes since the last step
    bool m_opnieuw = false;     // the tournament was replaced: the history starts afresh
    bool m_herstellen = false;  // a state is being brought back
};
