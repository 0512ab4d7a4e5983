#pragma once

#include "core/schema/TSchemaBoom.h"

#include <QString>
#include <algorithm>
#include <atomic>
#include <functional>

class ToernooiModel;
class TUitslagen;

// The figures of a schedule the organiser compares before and after improving, as the quality
// report counts them.
struct TSchemaCijfers
{
    int Ronden = 0;       // the last round with a match
    int AchterElkaar = 0; // back-to-back matches, summed over the teams
    int LangsteWacht = 0; // the longest wait of any team, in rounds

    friend bool operator==(const TSchemaCijfers&, const TSchemaCijfers&) = default;
};

struct TVerbeterUitkomst
{
    // The improved schedule, or the given one unchanged (Verbeterd false).
    TSchemaBoom Schema;
    TSchemaCijfers Voor;
    TSchemaCijfers Na;
    bool Verbeterd = false;
    bool Geannuleerd = false;
    // For the organiser: what happened, in Dutch.
    QString Melding;
};

// Improves a built schedule: the same matches, every rule of Regelcontrole kept, played matches
// on their round and field, and in this order as few as possible of: the last round used (never
// more than the given schedule's), back-to-back matches, the longest wait, and repeats of a team
// on the same field. The tree it returns is shaped as the builder's (round entries, one slot
// entry per field, records carried along), so every view, printout and export reads it alike;
// equal match texts (both meetings of a pair) keep their order, so results stay on their match.
//
// Deterministic: its own seeded generator, integer arithmetic and a bounded number of steps,
// no clock. It only reads the model and the schedule, so it may run on a worker thread while
// nothing changes them. A flag stops it within a few milliseconds; a stopped run, and a run
// that finds nothing better, returns the given schedule unchanged.
class TSchemaVerbeteraar
{
public:
    explicit TSchemaVerbeteraar(const ToernooiModel& model);

    void ZetAnnulering(const std::atomic<bool>* annuleren) { m_annuleren = annuleren; }
    // Called with 0..100 as the work goes on (from the thread that runs Verbeter).
    void ZetVoortgang(std::function<void(int procent)> voortgang) { m_voortgang = std::move(voortgang); }

    // How hard to search, in percent of the normal number of steps (1..100); tests that only
    // check the rules on many tournaments may search less.
    void ZetInspanning(int procent) { m_inspanning = std::clamp(procent, 1, 100); }

    [[nodiscard]] TVerbeterUitkomst Verbeter(const TSchemaBoom& schema, const TUitslagen& uitslagen);

    // The figures of any schedule of the tournament.
    [[nodiscard]] static TSchemaCijfers Cijfers(const ToernooiModel& model, const TSchemaBoom& schema);

private:
    const ToernooiModel& m_model;
    const std::atomic<bool>* m_annuleren = nullptr;
    std::function<void(int)> m_voortgang;
    int m_inspanning = 100;
};
