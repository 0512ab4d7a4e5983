#pragma once

#include "core/model/TLettertype.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// The spellings of the tournament file in one place: the writer writes them as they stand
// here, the reader recognises them upper-cased (HoofdLetters), so a key is added once.

// The keys of the tournament file that must be equal to a whole key. Font keys are matched
// by parts instead (".LETTERTYPE." and the rest), so they are not in this list.
enum class TToernooiSleutel
{
    Geen,
    ToernooiNaam,
    StartDatum,
    AantalDagen,
    DelenPerDagen,
    GewoneVelden,
    SpecialeVelden,
    BeginTijd,
    EindTijd,
    DuurWedstrijd,
    Pauze,
    GeenWedstrijd,
    PouleNaam,
    CompetitieType,
    KruisPoule,
    KruisPouleCompetitieType,
    MinimaleRust,
    TeamNaam,
    ClubNaam,
    ClubAdres,
    ClubPostcodePlaats,
    ClubTelefoon,
    ClubFax,
    BegeleiderNaam,
    BegeleiderAdres,
    BegeleiderPostcodePlaats,
    BegeleiderTelefoon,
    BegeleiderFax,
    // The results group (UitslagenGroep), written after everything else. A reader of the
    // groups above does not know these keys and skips them.
    Punten,
    Loting,
    Uitslag,
    UitslagVervallen,
    UitslagTeam1,
    UitslagTeam2,
    // The kept schedule's group (SchemaGroep), after the results group; skipped alike.
    SchemaPlek,
    // The match day's delays (UitloopGroep), after the kept schedule; skipped alike.
    Uitloop,
    // The referees' group (ScheidsrechterGroep), after the kept schedule; skipped alike.
    ScheidsrechterTeams,
    ScheidsrechterPoule,
    Scheidsrechter,
    ScheidsrechterAfwezig,
    ScheidsrechterWedstrijden,
    ScheidsrechterRust,
    ScheidsrechterEigenClub,
    Fluiter,
    Fluit,
};

// True for a key of the results group (Punten to UitslagTeam2).
[[nodiscard]] constexpr bool IsUitslagSleutel(TToernooiSleutel sleutel)
{
    return sleutel >= TToernooiSleutel::Punten && sleutel <= TToernooiSleutel::UitslagTeam2;
}

// True for a key of the referees' group (ScheidsrechterTeams to Fluit).
[[nodiscard]] constexpr bool IsScheidsrechterSleutel(TToernooiSleutel sleutel)
{
    return sleutel >= TToernooiSleutel::ScheidsrechterTeams && sleutel <= TToernooiSleutel::Fluit;
}

// True for a key of a group that follows the tournament itself: results, kept schedule,
// delays, referees.
[[nodiscard]] constexpr bool IsAchterSleutel(TToernooiSleutel sleutel)
{
    return sleutel >= TToernooiSleutel::Punten;
}

// A key as the writer spells it ("ToernooiNaam"); empty for Geen.
[[nodiscard]] QStringView SleutelNaam(TToernooiSleutel sleutel);

// Teams in no poule: this before the team key ("LosTeamNaam").
inline constexpr QStringView LosVoorvoegsel = u"Los";

// A font key: the font's name, this, then one of its parts ("Header.Lettertype.Naam").
inline constexpr QStringView LettertypeTussenstuk = u".Lettertype.";

// The four fonts of the file in the order they are written, each with its key name.
struct TLettertypeSleutel
{
    QStringView Naam;
    TLettertype TLettertypen::*Lettertype;
};
inline constexpr std::array<TLettertypeSleutel, 4> LettertypeSleutels{{
    {u"Header", &TLettertypen::HeaderFont},
    {u"Footer", &TLettertypen::FooterFont},
    {u"Tekst", &TLettertypen::TextFont},
    {u"VetTeam", &TLettertypen::VetTeamFont},
}};

// The parts of a font key, in the order they are written.
inline constexpr QStringView LettertypeNaam = u"Naam";
inline constexpr QStringView LettertypeGrootte = u"Size";
inline constexpr QStringView LettertypeStijl = u"Style";
inline constexpr QStringView LettertypeKleur = u"Kleur";

// The words of a font's style list ("fsBold,fsItalic").
inline constexpr QStringView StijlVet = u"fsBold";
inline constexpr QStringView StijlCursief = u"fsItalic";
inline constexpr QStringView StijlOnderstreept = u"fsUnderline";
inline constexpr QStringView StijlDoorgehaald = u"fsStrikeOut";

// The fixed values of "CompetitieType=" and "KruisPouleCompetitieType=".
inline constexpr QStringView WaardeHeleCompetitie = u"HeleCompetitie";
inline constexpr QStringView WaardeHalveCompetitie = u"HalveCompetitie";
inline constexpr QStringView WaardeEnkeleWedstrijden = u"EnkeleWedstrijden";
inline constexpr QStringView WaardeDubbeleWedstrijden = u"DubbeleWedstrijden";

// The letters a to z upper-cased, every other character unchanged (keys and fixed values).
[[nodiscard]] QString HoofdLetters(QStringView tekst);

// A number as the file holds it: optional leading spaces, an optional sign and at least one
// decimal digit, nothing after them, within the signed 32-bit range. Anything else is not a
// number.
[[nodiscard]] std::optional<int> LeesGetal(QStringView waarde);

// The key of an upper-cased key text; Geen when it names none.
[[nodiscard]] TToernooiSleutel ZoekToernooiSleutel(const QString& hoofdSleutel);

// Teams in no poule are stored after the poules under the team keys with "Los" before them
// ("LosTeamNaam=", "LosClubNaam=", ...), keys a reader of the poules and teams alone does not
// know and skips. The team key an upper-cased "LOS..." key stands for (TeamNaam to
// BegeleiderFax); Geen for any other key.
[[nodiscard]] TToernooiSleutel ZoekLosTeamSleutel(const QString& hoofdSleutel);

// True for a font key: ".LETTERTYPE." anywhere after the first character of the upper-cased
// key.
[[nodiscard]] bool IsLettertypeSleutel(QStringView hoofdSleutel);

// True when the upper-cased key is one of a tournament file outside the results group: an
// exact key, a font key or a key of a team in no poule. Lines of the results group alone do
// not make a text a tournament file.
[[nodiscard]] bool IsBekendeSleutel(const QString& hoofdSleutel);
