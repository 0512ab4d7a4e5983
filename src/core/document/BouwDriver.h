#pragma once

#include "core/schema/TBouwUitkomst.h"

#include <QStringList>
#include <atomic>
#include <functional>

class ToernooiDocument;
class TVraagsteller;

// What the button "Bouw toernooi schema" does: show the last schedule again when nothing
// changed since it was built; otherwise check the input, list warnings and errors, commit the
// detail tabs, build, ask before a new schedule moves matches already played, and show the
// new schedule, with a warning when it runs past the tournament's days. A build that fails says why in a "Fout" box
// and keeps the previous schedule; a build the organiser stops keeps it too, without a box.
class BouwDriver
{
public:
    // The steps the windows supply.
    struct Stappen
    {
        // Shows the lines of the input check in the error list, modally.
        std::function<void(const QStringList& regels)> ToonFoutLijst;
        // Writes the detail tabs into their records.
        std::function<void()> BewaarDetails;
        // Runs the build while the progress window shows, and returns its outcome.
        std::function<TBouwUitkomst(const std::function<TBouwUitkomst()>& bouw)> VoerUit;
        // Shows the schedule window for a new schedule: no team highlighted, view refilled.
        std::function<void()> ToonNieuwSchema;
        // Shows the schedule window again as it is.
        std::function<void()> ToonSchema;
    };

    BouwDriver(ToernooiDocument& document, TVraagsteller& vragen, Stappen stappen);

    // The windows that supply the steps may be made after the driver.
    void ZetStappen(Stappen stappen) { m_stappen = std::move(stappen); }

    // Returns true when a new schedule was built.
    bool Button1Click();

    // Asks the running build to stop; safe from any thread while VoerUit runs.
    void Annuleer() { m_annuleren.store(true); }


    // The question before a rebuild that moves matches already played.
    [[nodiscard]] static QString VerplaatstVraag(int verplaatst);
    // The question before a build replaces a kept schedule that no longer fits, and why.
    [[nodiscard]] static QString BewaardVervaltVraag(const QString& reden);

private:
    ToernooiDocument& m_document;
    TVraagsteller& m_vragen;
    Stappen m_stappen;
    std::atomic<bool> m_annuleren{false};
};
