#pragma once

#include <QString>

// The fixed parts of the web page: its style sheet (screen, phone and A4 paper) and the
// script of the team box. Both are written into the page itself, so it needs nothing else.
namespace HtmlOpmaak {

[[nodiscard]] QString Stijl();
[[nodiscard]] QString Script();

// Added to the above only when the page names referees: a team chosen in the box also shows
// the matches it referees, marked, and the list of its duties.
[[nodiscard]] QString ScheidsStijl();
[[nodiscard]] QString ScheidsScript();

} // namespace HtmlOpmaak
