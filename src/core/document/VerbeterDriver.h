#pragma once

#include "core/verbeteren/HandVerplaatsing.h"
#include "core/verbeteren/TSchemaVerbeteraar.h"

#include <atomic>
#include <functional>

class TVraagsteller;
class ToernooiDocument;

// What "Verbeteren", "Terug naar het eigen schema" and a match dragged by hand in the schedule
// window do. Improving
// runs while the progress window shows (which may stop it); an improvement becomes the
// tournament's kept schedule as one undo step, and the organiser is told the figures before
// and after. Going back drops the kept schedule, also one undo step.
class VerbeterDriver
{
public:
    // Runs the work while the progress window shows, and returns once it is done.
    using VoerUit = std::function<void(const std::function<void()>& werk)>;

    VerbeterDriver(ToernooiDocument& document, TVraagsteller& vragen);
    void ZetVoerUit(VoerUit voerUit) { m_voerUit = std::move(voerUit); }

    // Returns the outcome; nothing happens without a current schedule.
    TVerbeterUitkomst Verbeter();
    // Asks the running improvement to stop; safe from any thread.
    void Annuleer() { m_annuleren.store(true); }
    // Returns false when the schedule already was the builder's own.
    bool TerugNaarEigen();
    // A match moved by hand onto another slot: it moves there, or changes places with the
    // match there. A move that breaks a rule is refused with the rule in a "Fout" box.
    bool Verplaats(TVak van, TVak naar);

private:
    ToernooiDocument& m_document;
    TVraagsteller& m_vragen;
    VoerUit m_voerUit;
    std::atomic<bool> m_annuleren{false};
};
