#pragma once

#include "core/bestand/BestandOpslag.h"
#include "core/model/Tijdstempel.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class QLockFile;
class ToernooiModel;

// Keeps the recovery copy of the tournament while it has unsaved changes, so that a crash or
// a flat battery loses at most the last few seconds of work.
//
// A change schedules one write a short while later (Wachttijd). Further changes do not move
// it on, so a stream of edits is still written every Wachttijd. The write takes the bytes that
// saving writes, behind the comment line of HerstelBestand, and stores them the way a save
// does: a temporary file, synced, then renamed over the previous copy. Nothing is written
// while the tournament has no unsaved changes; when they are gone (a save, a load or
// "Opnieuw" that completed) the copy is removed, and so it is on a clean exit (Stop).
// While a copy of this run exists, its lock file (HerstelBestand::SlotNaam) tells a second
// instance of the program that the copy is in use and no crash to recover from.
class HerstelKopie : public QObject
{
    Q_OBJECT

public:
    static constexpr int StandaardWachttijd = 3000; // milliseconds

    // toernooiPad gives the tournament file loaded or saved last (empty: none yet).
    HerstelKopie(ToernooiModel& model, const QString& map, std::function<QString()> toernooiPad,
                 QObject* parent = nullptr);
    ~HerstelKopie() override;

    // The moment and locale of the copy's "# Bewaard op:" line, as for a save.
    std::function<QDateTime()> Klok = [] { return QDateTime::currentDateTime(); };
    QLocale Locale = Tijdstempel::Locale();
    // Creates the save files; empty means QSaveFile.
    BestandOpslag::BestandMaker MaakBestand;
    // Told of the first write that fails (later failures are only kept in LaatsteFout), so a
    // full disk is reported once rather than every few seconds.
    std::function<void(const QString&)> MeldFout;

    void ZetWachttijd(int milliseconden);
    [[nodiscard]] int Wachttijd() const { return m_wachten.interval(); }
    [[nodiscard]] bool Gepland() const { return m_wachten.isActive(); }
    // The recovery file of the current tournament file.
    [[nodiscard]] QString Pad() const;
    [[nodiscard]] QString LaatsteFout() const { return m_fout; }

    // Writes the copy now, when there are unsaved changes; true when nothing failed.
    bool SchrijfNu();
    // Removes the copy (the one last written and the one of the current file) and drops a
    // scheduled write.
    void Verwijder();
    // A clean exit: the copy removed and nothing written any more.
    void Stop();

signals:
    // A copy was written completely to pad.
    void geschreven(const QString& pad);

private:
    void Plan();

    ToernooiModel& m_model;
    QString m_map;
    std::function<QString()> m_toernooiPad;
    QTimer m_wachten;
    QString m_geschreven;
    std::unique_ptr<QLockFile> m_slot;
    QString m_fout;
    bool m_gemeld = false;
    bool m_gestopt = false;
};
