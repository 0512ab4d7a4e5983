#pragma once

#include <QString>
#include <optional>

// One side of a cross match as its text names it: number k of a poule's final standings, or
// the winner or loser of an earlier crossing match.
struct TKruisKant
{
    enum class TSoort { Nummer, Winnaar, Verliezer };

    TSoort Soort = TSoort::Nummer;
    int Nummer = 0;   // Nummer: the place k
    QString Poule;    // Nummer: the poule's name
    QString Kruis;    // Winnaar, Verliezer: "Kr. " + L1 + L2 + k
    QString Tekst;    // the side as written
};

// The parts of a cross match text: a crossing match "Kr. L1L2k:" or a placement match
// "(d-1)e&de:", then two sides joined by " x ".
struct TKruisTekst
{
    QString Voorvoegsel; // up to and including the ":"
    QString Kruis;       // "Kr. L1L2k" of a crossing match, empty for a placement match
    int Plaats = 0;      // d - 1 of a placement match, 0 for a crossing match
    TKruisKant Kant1;
    TKruisKant Kant2;
};

// Reads a cross match text of the linked poules named poule1 and poule2; none when the text
// is not one.
[[nodiscard]] std::optional<TKruisTekst> LeesKruisTekst(const QString& tekst,
                                                        const QString& poule1,
                                                        const QString& poule2);
