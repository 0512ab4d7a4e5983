#pragma once

#include "core/model/ToernooiToestand.h"

#include <QString>
#include <deque>

// The undo history of one tournament: the state at its start (loaded, or new) and the state
// after every step since, each with the step's name. The position is the state the tournament
// is in; undo moves it back, redo forward, a new step drops whatever could still be redone.
class Geschiedenis
{
public:
    // The oldest steps beyond this are forgotten.
    static constexpr int MaxStappen = 200;

    struct TStap
    {
        QString Naam;
        bool Samenvoegbaar = false;
        ToernooiToestand Toestand;
        // Whether the built schedule was current in this state, and which build it was.
        bool SchemaGebouwd = false;
        quint64 Bouw = 0;
    };

    // Starts afresh from one state, which counts as saved.
    void Begin(TStap basis);
    // A new step. It joins the last step instead when both may be joined, have the same name
    // and joining has not been closed since (typing on in the same field).
    void VoegToe(TStap stap);
    // After this a new step never joins the last one.
    void SluitSamenvoegen() { m_samenvoegen = false; }

    [[nodiscard]] bool KanOngedaan() const { return m_positie > 0; }
    [[nodiscard]] bool KanHerhalen() const { return m_positie + 1 < m_stappen.size(); }
    // The name of the step undo or redo would take back or do again.
    [[nodiscard]] QString OngedaanNaam() const;
    [[nodiscard]] QString HerhaalNaam() const;
    // Move one step and return the state to bring back.
    const TStap& OngedaanMaken();
    const TStap& Herhalen();

    // The state the tournament is in now.
    [[nodiscard]] TStap& Huidig() { return m_stappen.at(m_positie); }
    // The state now is the one in the file; IsBewaard tells whether the position is there.
    void MarkeerBewaard() { m_bewaard = qsizetype(m_positie); }
    // No state of the history is the file's (a recovered copy, a new tournament with changes).
    void MarkeerOnbewaard() { m_bewaard = -1; }
    [[nodiscard]] bool IsBewaard() const { return m_bewaard == qsizetype(m_positie); }
    [[nodiscard]] std::size_t Aantal() const { return m_stappen.size(); }

private:
    std::deque<TStap> m_stappen;
    std::size_t m_positie = 0;
    qsizetype m_bewaard = 0; // -1: the saved state is no longer in the history
    bool m_samenvoegen = false;
};
