#pragma once

#include <QString>

struct TPouleDetails;

// One side of a cross match: place k of a poule's final standings, or the winner or loser of
// an earlier crossing match of the same linked pair, with the text that stands in the
// schedule until its team is known.
struct TKruisKant
{
    enum class TSoort { Nummer, Winnaar, Verliezer };

    TSoort Soort = TSoort::Nummer;
    // Nummer: the place k in Poule; Winnaar, Verliezer: the k of the crossing match.
    int Nummer = 0;
    const TPouleDetails* Poule = nullptr;
    QString Tekst; // "Nummer 2 A", "Winnaar Kr. AB1"

    friend bool operator==(const TKruisKant&, const TKruisKant&) = default;
};

// What a cross match is: crossing match k of its linked pair ("Kr. L1L2k:") or the placement
// match of places d - 1 and d ("(d-1)e&de:"), and its two sides. Its text in the schedule is
// Tekst().
struct TKruisWedstrijd
{
    int Kruis = 0;       // k of a crossing match; 0 for a placement match
    int Plaats = 0;      // d - 1 of a placement match; 0 for a crossing match
    QString Voorvoegsel; // up to and including the ":"
    TKruisKant Kant1;
    TKruisKant Kant2;

    [[nodiscard]] QString Tekst() const
    {
        return Voorvoegsel + Kant1.Tekst + QStringLiteral(" x ") + Kant2.Tekst;
    }

    friend bool operator==(const TKruisWedstrijd&, const TKruisWedstrijd&) = default;
};
