#pragma once

#include "core/bestand/BestandOpslag.h"
#include "core/model/Tijdstempel.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>

class ToernooiDocument;
class ToernooiModel;
class TVraagsteller;

// How a save, a load or the unsaved-changes question ended.
enum class TBestandUitkomst
{
    Gelukt,      // done, or nothing needed doing
    Geannuleerd, // the organiser cancelled a dialog or answered No to overwriting
    Mislukt,     // an input/output error, already reported to the organiser
};

// The commands of the menu "&Bestanden" on the tournament file: "&Opslaan", "&Laden",
// "Opnieuw", and the question that guards unsaved changes before a load and on leaving the
// program. Every question goes through the TVraagsteller, so the flows run headless in tests.
//
// Nothing is ever lost: a save replaces the file only once it is completely written and keeps
// the previous version as the ".bak" file; a load reads the whole file before it discards the
// tournament it replaces; Gewijzigd is cleared only by a save, load or "Opnieuw" that
// completed.
class ToernooiBestand
{
public:
    static const QString Filter;
    static const QString StandaardExtensie;

    // The file the tournament belongs to and its folder are kept in the document.
    ToernooiBestand(ToernooiDocument& document, TVraagsteller& vraagsteller);

    // Steps the window layer supplies: commit the detail tabs into their records before a
    // save (BewaarDetails), and reset the detail tabs before "Opnieuw" (LeegAlles).
    std::function<void()> BewaarDetails;
    std::function<void()> LeegAlles;
    // The moment that dates a saved file, and the locale that renders it.
    std::function<QDateTime()> Klok = [] { return QDateTime::currentDateTime(); };
    QLocale Locale = Tijdstempel::Locale();
    // Creates the save files; empty means QSaveFile.
    BestandOpslag::BestandMaker MaakBestand;

    // "&Opslaan": save dialog, overwrite question, backup, atomic write.
    TBestandUitkomst Opslaan();
    // "&Laden": the file at pad (the start file, without a dialog) or, when pad is empty, the
    // one chosen in the open dialog; then the guard, then the file read whole and applied.
    // Anything but Gelukt leaves the tournament exactly as it was.
    TBestandUitkomst Laden(const QString& pad = QString());
    // A recovered tournament (the bytes of a recovery copy) that belongs to pad (empty: it had
    // no file): loaded as unsaved changes, so that "&Opslaan" proposes the original file.
    // Mislukt (reported) leaves the tournament as it was.
    TBestandUitkomst LaadHersteld(const QByteArray& bytes, const QString& pad);
    // The guard: when Gewijzigd is set, asks whether to save (Ja, Nee or Annuleren) and
    // saves on Ja. The caller goes on only on Gelukt: Annuleren, a cancelled save and a
    // failed save all keep the unsaved changes.
    TBestandUitkomst VraagOmTeBewaren();
    // Leaving the program (FormHide): true when the program may end; false when the guard
    // was cancelled or its save failed, so the main window stays.
    [[nodiscard]] bool MagAfsluiten();
    // "Opnieuw": the guard, then LeegAlles, all poules and teams discarded, settings, fonts
    // and field usage kept, nothing unsaved, no current schedule, no file. Anything but
    // Gelukt changed nothing.
    TBestandUitkomst Opnieuw();

private:
    [[nodiscard]] TBestandUitkomst Bewaar(const QString& pad);
    void Fout(const QString& tekst);

    ToernooiDocument& m_document;
    ToernooiModel& m_model;
    TVraagsteller& m_vraagsteller;
};
