#pragma once

#include <QString>
#include <QtGlobal>

// A font description as the tournament file stores it and the schedule view and printouts use
// it: face name, size in points, style set and colour.
//
// The colour is kept as its 32-bit file value, so a value read is written back unchanged.
// Values 0..16777215 are RGB with red in the lowest byte (pure red is 255); values with the
// top bit set name a colour of the system scheme by the index in their low byte (window
// text = index 8 = -2147483640). The window layer maps those to palette colours.
struct TLettertype
{
    static constexpr qint32 KleurVensterTekst = qint32(-2147483647 - 1) | 8; // -2147483640
    static constexpr qint32 KleurRood = 255;

    QString Naam;
    int Grootte = 10; // points
    bool Vet = false;
    bool Cursief = false;
    bool Onderstreept = false;
    bool Doorgehaald = false;
    qint32 Kleur = KleurVensterTekst;

    [[nodiscard]] static bool IsSysteemKleur(qint32 kleur) { return kleur < 0; }
    // Index into the system colour scheme (low byte) of a system colour.
    [[nodiscard]] static int SysteemKleurIndex(qint32 kleur) { return int(quint32(kleur) & 0xFFu); }

    friend bool operator==(const TLettertype&, const TLettertype&) = default;
};

// The four fonts of the schedule view and its printouts with their defaults, all
// "MS Sans Serif" (sizes as the original 96-dpi pixel heights give them in points). The tournament
// model owns the one instance of a run (ToernooiModel::Lettertypen), so the schedule window, the
// writer and the reader share it.
struct TLettertypen
{
    TLettertype HeaderFont{QStringLiteral("MS Sans Serif"), 18};
    TLettertype FooterFont{QStringLiteral("MS Sans Serif"), 10};
    TLettertype TextFont{QStringLiteral("MS Sans Serif"), 12};
    TLettertype VetTeamFont{QStringLiteral("MS Sans Serif"), 14, true, false, false, false,
                            TLettertype::KleurRood};

    friend bool operator==(const TLettertypen&, const TLettertypen&) = default;
};
