#pragma once

#include <QString>

enum class TCompetitieType { HeleCompetitie, HalveCompetitie };
enum class TKruisPouleCompetitieType { EnkeleWedstrijden, DubbeleWedstrijden };

// The record of one poule. Owned by the poule tree of ToernooiModel.
struct TPouleDetails
{
    explicit TPouleDetails(const QString& naam) : PouleNaam(naam) {}

    QString PouleNaam;
    TCompetitieType CompetitieType = TCompetitieType::HeleCompetitie;
    // The partner poule, a poule of the same tournament; nullptr for "Geen".
    TPouleDetails* KruisPoule = nullptr;
    // The partner's name as read from a file, resolved once all poules exist.
    QString KruisPouleNaam;
    TKruisPouleCompetitieType KruisPouleCompetitieType = TKruisPouleCompetitieType::EnkeleWedstrijden;
    int MinimaleRust = 0;

    // Working fields of the schedule builder, all zero in a new record.
    quint8 Fase = 0;
    int WedstrijdenInFase = 0;
    int WedstrijdenPerHelft = 0;
    int EigenWedstrijden = 0;
    int KruisPlaatsen = 0;
    double KruisWedstrijden = 0.0;
    int FaseEindRonde = 0;
    double GewichtEigen = 0.0;
    double GewichtKruis = 0.0;
    double Voortgang = 0.0;
};
