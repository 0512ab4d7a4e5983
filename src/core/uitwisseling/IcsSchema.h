#pragma once

#include "core/model/TScheidsrechters.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

class TWedstrijdDag;
class ToernooiModel;
struct TSchemaBoom;

// The outcome of a calendar export. Without a readable start date there is no calendar:
// the caller asks for the date and tries again.
enum class TIcsStatus { Gelukt, OnleesbareDatum, OnbekendTeam, GeenTijden };

struct TIcsUitkomst
{
    TIcsStatus Status = TIcsStatus::Gelukt;
    QByteArray Inhoud;
    QString Fout;    // the Dutch message for every status but Gelukt
};

// The schedule as an iCalendar file (RFC 5545): one event per match, on floating local
// times, so that a calendar shows the times as printed wherever it is.
namespace IcsSchema {

// dd/mm/jj, dd-mm-jj, dd/mm/jjjj or dd-mm-jjjj; two-digit years 00..69 are 2000..2069,
// 70..99 are 1970..1999. An invalid date when the text is none of these.
[[nodiscard]] QDate LeesStartDatum(const QString& tekst);

// A TEXT value with "\", ";", "," and line breaks escaped.
[[nodiscard]] QString Ontsnap(const QString& tekst);

// A content line folded at 75 octets, never inside a UTF-8 sequence, ended by CR LF.
[[nodiscard]] QByteArray Vouw(const QString& regel);

// Every match, or only those in which the team plays when team is not empty. startDatum
// overrides the tournament's StartDatum when valid; nu stamps the events (DTSTAMP). With a
// match day, cross matches name the teams the results know, so a team's calendar gains
// them once its name is filled in, and a played match carries its score in SUMMARY
// ("A : B x C (3-1)") and DESCRIPTION; the UID stays that of the match as built. With an
// assignment of referees to this schedule, a match's DESCRIPTION names its referee, and a
// team's calendar has an event of its own for every match the team referees ("Fluiten: "
// and the match, at the match's times), whose UID differs from the match's.
[[nodiscard]] TIcsUitkomst Schrijf(const ToernooiModel& model, const TSchemaBoom& boom,
                                   const QString& team, const QDate& startDatum,
                                   const QDateTime& nu, const TWedstrijdDag* dag = nullptr,
                                   const QList<TScheidsToewijzing>& toewijzingen = {});

} // namespace IcsSchema
