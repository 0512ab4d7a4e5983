#pragma once

#include "core/afdruk/TAfdrukGegevens.h"
#include "core/model/VeldenEnRonden.h"
#include "core/schema/TSchemaBoom.h"

// A small tournament on paper: fonts whose sizes make the recording canvas's metrics easy to
// follow (text rows 13 high, header band 52, footer band 22) and a schedule of poule matches.
struct AfdrukVoorbeeld
{
    AfdrukVoorbeeld(int rondes, int velden)
    {
        Gegevens.ToernooiNaam = QStringLiteral("Zomer");
        Gegevens.StartDatum = QStringLiteral("12/06/99");
        Gegevens.PrintDatum = QStringLiteral("8-12-2026 14:00:00");
        Gegevens.Fonts.HeaderFont.Grootte = 10;
        Gegevens.Fonts.FooterFont.Grootte = 5;
        Gegevens.Fonts.TextFont.Grootte = 4;
        Gegevens.Fonts.VetTeamFont.Grootte = 6;
        Gegevens.Maten = {52, 22, 13, 12};
        Gegevens.AantalVelden = velden;
        Gegevens.Schema = &Schema;
        Gegevens.Velden = &Tabel;
        int team = 1;
        for (int r = 1; r <= rondes; ++r) {
            TSchemaRonde ronde;
            ronde.Ronde = r;
            ronde.Tekst = QStringLiteral("Ronde %1").arg(r);
            for (int v = 1; v <= velden; ++v) {
                TSchemaVeld slot;
                slot.Tekst = QStringLiteral("Veld %1: A : T%2 x T%3").arg(v).arg(team).arg(team + 1);
                slot.Wedstrijd = TWedstrijdDetails{};
                team += 2;
                ronde.Velden.push_back(slot);
            }
            Schema.Ronden.push_back(ronde);
        }
    }

    TSchemaBoom Schema;
    VeldenEnRonden Tabel;
    TAfdrukGegevens Gegevens;
};
