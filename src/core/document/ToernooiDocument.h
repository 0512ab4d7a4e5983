#pragma once

#include "core/document/Geschiedenis.h"
#include "core/model/ToernooiModel.h"

#include <QObject>
#include <QString>


// One tournament as the organiser edits it, with its undo history. Every change of the model
// is a step: the changes made in one go (one command, one event of the program) are taken
// together as one step when the program is idle again, or at the latest before an undo, a
// redo or a save. A load or "Opnieuw" starts the history afresh. Undoing back to the saved
// state leaves no unsaved changes.
class ToernooiDocument : public QObject
{
    Q_OBJECT

public:
    explicit ToernooiDocument(ToernooiModel& model, QObject* parent = nullptr);

    [[nodiscard]] ToernooiModel& Model() const { return m_model; }

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

private:
    void Veranderd();
    void GewijzigdVeranderd(bool gewijzigd);
    [[nodiscard]] Geschiedenis::TStap HuidigeStap(const ToernooiModel::TBewerking& bewerking) const;
    void Herstel(const Geschiedenis::TStap& stap);

    ToernooiModel& m_model;
    Geschiedenis m_geschiedenis;
    bool m_open = false;        // changes since the last step
    bool m_opnieuw = false;     // the tournament was replaced: the history starts afresh
    bool m_herstellen = false;  // a state is being brought back
};
