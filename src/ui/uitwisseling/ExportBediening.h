#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class TVraagsteller;
class TWedstrijdDag;
class ToernooiModel;
struct TSchemaBoom;

// The menu "Exporteren" of the schedule window: the built schedule as a spreadsheet list, a
// web page or a calendar, written to a file the organiser chooses. Results are included once
// there are any; a file is written whole or not at all, and a failure is reported naming it,
// a success by geschreven().
class ExportBediening : public QObject
{
    Q_OBJECT

public:
    using Klok = std::function<QDateTime()>;
    // The match day of the schedule shown, or none while there is none.
    using DagBron = std::function<const TWedstrijdDag*()>;

    ExportBediening(ToernooiModel& model, const TSchemaBoom& schema, TVraagsteller& vragen,
                    Klok klok, QObject* parent = nullptr);

    void ZetDagBron(DagBron bron) { m_dagBron = std::move(bron); }
    // The folder the save dialog starts in.
    void ZetStartMap(std::function<QString()> map) { m_startMap = std::move(map); }
    // The open tournament file, which no export may overwrite.
    void ZetToernooiPad(std::function<QString()> pad) { m_toernooiPad = std::move(pad); }

    void SpreadsheetClick();
    void WebpaginaClick();
    // The calendar of the whole tournament, or of one team's matches when team is not empty.
    void AgendaClick(const QString& team = QString());

    // A file name from the tournament's name (and a team's), without the characters a file
    // system refuses, with the extension.
    [[nodiscard]] static QString VoorgesteldeNaam(const QString& toernooi, const QString& team,
                                                  const QString& extensie);

signals:
    // A file was written whole: the path it was written to.
    void geschreven(const QString& pad);

private:
    // The match day the results come from: the one the results window keeps, otherwise one
    // made for this export (kept in eigen) while a schedule is built.
    [[nodiscard]] const TWedstrijdDag* Dag(std::unique_ptr<TWedstrijdDag>& eigen) const;
    // Asks for the file and writes the bytes; a failure is reported.
    void Bewaar(const QByteArray& inhoud, const QString& filter, const QString& extensie,
                const QString& team = QString());

    ToernooiModel& m_model;
    const TSchemaBoom& m_schema;
    TVraagsteller& m_vragen;
    Klok m_klok;
    DagBron m_dagBron;
    std::function<QString()> m_startMap;
    std::function<QString()> m_toernooiPad;
};
