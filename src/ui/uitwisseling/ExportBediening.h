#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class TVraagsteller;
struct TScheidsToewijzing;
class TWedstrijdDag;
class ToernooiDocument;
class ToernooiModel;
struct TSchemaBoom;

// The menu "Exporteren" of the schedule window: the built schedule as a spreadsheet list, a
// web page or a calendar, written to a file the organiser chooses. Results are included once
// there are any, and the referees once they are assigned; a file is written whole or not at
// all, and a failure is reported naming it, a success by geschreven(). The save dialog starts
// in the tournament file's folder, and no export may overwrite the tournament file itself.
class ExportBediening : public QObject
{
    Q_OBJECT

public:
    using Klok = std::function<QDateTime()>;
    // The match day of the schedule shown, or none while there is none.
    using DagBron = std::function<const TWedstrijdDag*()>;

    ExportBediening(ToernooiDocument& document, TVraagsteller& vragen, Klok klok,
                    QObject* parent = nullptr);

    void ZetDagBron(DagBron bron) { m_dagBron = std::move(bron); }

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
    // The referees on the schedule shown; none without a current schedule.
    [[nodiscard]] const QList<TScheidsToewijzing>& Fluiters() const;
    // Asks for the file and writes the bytes; a failure is reported.
    void Bewaar(const QByteArray& inhoud, const QString& filter, const QString& extensie,
                const QString& team = QString());

    ToernooiDocument& m_document;
    ToernooiModel& m_model;
    const TSchemaBoom& m_schema;
    TVraagsteller& m_vragen;
    Klok m_klok;
    DagBron m_dagBron;
};
