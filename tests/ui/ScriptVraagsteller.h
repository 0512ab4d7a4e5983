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
    [[nodiscard]] QString VraagNaam() override;
    [[nodiscard]] QString KiesTeOpenenBestand(const QString& filter,
                                              const QString& standaardExtensie) override;
    [[nodiscard]] QString KiesOpTeSlaanBestand(const QString& voorgesteldeNaam,
                                               const QString& filter) override;

    QList<bool> Antwoorden;
    QStringList Namen;
    QStringList Bestanden;
    // When set, names are asked in this real dialog instead of taken from Namen.
    TToevoegen* NaamDialoog = nullptr;

    QList<Vraag> Gesteld;
    QStringList Onverwacht;
};
