#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The print jobs of one print run, in their fixed order: the full schedule, the poule
// overview, one highlighted schedule per selected team, the referee notes, the referees with
// their matches, the results and standings.
namespace PrintOpdrachten {

enum class TSoort { Schema, Poules, Briefjes, Scheidsrechters, Uitslagen, Kwaliteit };

struct TOpdracht
{
    QString Titel;
    TSoort Soort = TSoort::Schema;
    // Position in the schedule window's team list (1 = the first team), 0 = none.
    int VetTeamIndex = 0;

    friend bool operator==(const TOpdracht&, const TOpdracht&) = default;
};

struct TKeuzes
{
    bool VolSchema = true;
    bool Poules = false;
    bool PerTeam = false;
    bool Scheidsrechterbriefjes = false;
    // Per referee the matches it referees.
    bool Scheidsrechters = false;
    bool Uitslagen = false;
    // The schedule printouts name the teams the results know in place of placeholders.
    bool NamenInvullen = false;
    // Positions (from 0) of the teams selected in the dialog's team list.
    QList<int> GeselecteerdeTeams;
};

[[nodiscard]] QList<TOpdracht> StelOp(const TKeuzes& keuzes, const QStringList& teams,
                                      const QString& toernooiNaam);

// The quality report's own print job.
[[nodiscard]] TOpdracht KwaliteitOpdracht(const QString& toernooiNaam);

// A file name for a job's PDF: its title with every "/" made "_", and ".pdf".
[[nodiscard]] QString PdfNaam(const QString& titel);

} // namespace PrintOpdrachten
