#pragma once

#include <QString>
#include <utility>
#include <vector>

struct TSchemaKwaliteit;
struct TTeamKwaliteit;

// The quality report as the window and the printout show it: summary lines and the team
// table's columns, with the worst value of each column where one stands out.
namespace KwaliteitTabel {

enum Kolom {
    Team,
    Poule,
    Wedstrijden,
    Eerste,
    Laatste,
    AchterElkaar,
    LangsteWacht,
    LangsteReeks,
    Velden,
    AantalKolommen
};

// Label and value of each summary line: rounds used, lower bound and gap, end, the total of
// back-to-back matches and how many of them the counting bound forces, longest wait and
// teams playing three rounds in a row.
[[nodiscard]] std::vector<std::pair<QString, QString>> Samenvatting(const TSchemaKwaliteit& kwaliteit);

// The short column header, and what the column counts.
[[nodiscard]] QString Kop(int kolom);
[[nodiscard]] QString Uitleg(int kolom);
[[nodiscard]] bool IsGetal(int kolom);
// A numeric column's value; 0 for the text columns.
[[nodiscard]] int Waarde(const TTeamKwaliteit& team, int kolom);
[[nodiscard]] QString Tekst(const TTeamKwaliteit& team, int kolom);
// The worst value in a column where a higher number is worse (last round, back-to-back,
// longest wait, longest run) and not every team has it; -1 otherwise.
[[nodiscard]] int Slechtste(const std::vector<TTeamKwaliteit>& teams, int kolom);

} // namespace KwaliteitTabel
