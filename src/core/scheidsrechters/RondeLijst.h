#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// The rounds a named referee is not there, as the organiser types them: numbers and ranges
// separated by commas or spaces ("3, 5-7").
namespace RondeLijst {

// The highest round a list may name.
inline constexpr int MaxRonde = 999;

// The rounds of the text, ascending and each once; an empty text is no round. Nothing for a
// text that is no such list (a word, a round 0 or above MaxRonde, a range that runs down).
[[nodiscard]] std::optional<QList<int>> Lees(QStringView tekst);

// The rounds as the organiser would type them, runs of three or more as a range: "3, 5-7".
[[nodiscard]] QString Tekst(QList<int> ronden);

} // namespace RondeLijst
