#pragma once

#include "TVraagsteller.h"

#include <QList>
#include <QStringList>

class TToevoegen;

// Answers every question from a script and records what was asked. A question without a
// scripted answer is recorded in Onverwacht and answered No / empty, so a test sees it.
class ScriptVraagsteller : public TVraagsteller
{
public:
    struct Vraag
    {
        QString Titel;
        QString Tekst;
    };

    void Melding(const QString& titel, const QString& tekst) override;
    [[nodiscard]] bool VraagJaNee(const QString& titel, const QString& tekst) override;
    [[nodiscard]] TAntwoord VraagJaNeeAnnuleren(const QString& titel,
                                                const QString& tekst) override;
    [[nodiscard]] QString VraagNaam() override;
    [[nodiscard]] QString KiesTeOpenenBestand(const QString& filter,
                                              const QString& standaardExtensie,
                                              const QString& startMap) override;
    [[nodiscard]] QString KiesOpTeSlaanBestand(const QString& voorgesteldeNaam,
                                               const QString& filter,
                                               const QString& startMap) override;

    QList<bool> Antwoorden;
    // Answers to the three-way question; without one it is called off (Annuleren).
    QList<TAntwoord> Keuzes;
    // The folders the file dialogs were asked to start in.
    QStringList StartMappen;
    QStringList Namen;
    QStringList Bestanden;
    // When set, names are asked in this real dialog instead of taken from Namen.
    TToevoegen* NaamDialoog = nullptr;

    QList<Vraag> Gesteld;
    QStringList Onverwacht;
};
