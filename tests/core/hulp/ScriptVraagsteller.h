#pragma once

#include "core/programma/TVraagsteller.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

// A TVraagsteller that answers from a script and records every question, so that flows
// with dialogs run headless. Answers are taken in order: a bool for VraagJaNee, a
// TAntwoord for VraagJaNeeAnnuleren (Ja() and Nee() serve there too), a text for VraagNaam
// (Naam) and the file dialogs (Bestand; an empty text cancels). An answer of the wrong kind,
// or a question with no answer left, is recorded in Fouten and answered No / cancelled.
class ScriptVraagsteller : public TVraagsteller
{
public:
    struct Vraag
    {
        QString Soort; // "Melding", "JaNee", "JaNeeAnnuleren", "Doorgaan", "Naam", "Open", "Opslaan"
        QString Titel;
        QString Tekst; // message text; the filter for the file dialogs
        QString Extra; // the default extension (Open) or the proposed name (Opslaan)
        QString Map;   // the folder a file dialog starts in
    };

    using Antwoord = std::variant<bool, QString, TAntwoord>;

    ScriptVraagsteller& Ja() { return Voeg(true); }
    ScriptVraagsteller& Nee() { return Voeg(false); }
    ScriptVraagsteller& Naam(const QString& naam) { return Voeg(naam); }
    ScriptVraagsteller& Bestand(const QString& naam) { return Voeg(naam); }
    ScriptVraagsteller& Annuleer() { return Voeg(QString()); }
    // The third answer of VraagJaNeeAnnuleren (Annuleer cancels a file dialog).
    ScriptVraagsteller& Annuleren() { return Voeg(TAntwoord::Annuleren); }

    QList<Vraag> Gevraagd;
    QStringList Fouten;
    QList<Antwoord> Antwoorden;

    // The questions asked in a message box (Melding, JaNee, JaNeeAnnuleren), without the
    // name and file dialogs.
    [[nodiscard]] QList<Vraag> Berichten() const
    {
        QList<Vraag> r;
        for (const Vraag& v : Gevraagd) {
            if (v.Soort == QLatin1String("Melding") || v.Soort.startsWith(QLatin1String("JaNee"))
                || v.Soort == QLatin1String("Doorgaan"))
                r << v;
        }
        return r;
    }

    [[nodiscard]] QStringList Soorten() const
    {
        QStringList r;
        for (const Vraag& v : Gevraagd)
            r << v.Soort;
        return r;
    }

    void Melding(const QString& titel, const QString& tekst) override
    {
        Gevraagd.append({QStringLiteral("Melding"), titel, tekst, {}, {}});
    }
    bool VraagJaNee(const QString& titel, const QString& tekst) override
    {
        Gevraagd.append({QStringLiteral("JaNee"), titel, tekst, {}, {}});
        return Neem<bool>(false);
    }
    TAntwoord VraagJaNeeAnnuleren(const QString& titel, const QString& tekst) override
    {
        Gevraagd.append({QStringLiteral("JaNeeAnnuleren"), titel, tekst, {}, {}});
        if (!Antwoorden.isEmpty()) {
            if (const bool* jaNee = std::get_if<bool>(&Antwoorden.first())) {
                const bool ja = *jaNee;
                Antwoorden.removeFirst();
                return ja ? TAntwoord::Ja : TAntwoord::Nee;
            }
        }
        return Neem<TAntwoord>(TAntwoord::Annuleren);
    }
    // Answered like VraagJaNee: Ja() goes on, Nee() calls it off.
    bool VraagDoorgaan(const QString& titel, const QString& tekst) override
    {
        Gevraagd.append({QStringLiteral("Doorgaan"), titel, tekst, {}, {}});
        return Neem<bool>(false);
    }
    QString VraagNaam() override
    {
        Gevraagd.append({QStringLiteral("Naam"), {}, {}, {}, {}});
        return Neem<QString>(QString());
    }
    QString KiesTeOpenenBestand(const QString& filter, const QString& extensie,
                                const QString& startMap) override
    {
        Gevraagd.append({QStringLiteral("Open"), {}, filter, extensie, startMap});
        return Neem<QString>(QString());
    }
    QString KiesOpTeSlaanBestand(const QString& voorstel, const QString& filter,
                                 const QString& startMap) override
    {
        Gevraagd.append({QStringLiteral("Opslaan"), {}, filter, voorstel, startMap});
        return Neem<QString>(QString());
    }

    // The answers to VraagWinnaar, in order; 0 (not known) when none is left.
    QList<int> Winnaars;
    int VraagWinnaar(const QString& wedstrijd, const QString& kant1, const QString& kant2) override
    {
        Gevraagd.append({QStringLiteral("Winnaar"), {}, wedstrijd, kant1 + u'|' + kant2, {}});
        return Winnaars.isEmpty() ? 0 : Winnaars.takeFirst();
    }

    // The answers to VraagDatum, in order; cancelled when none is left.
    QList<std::optional<QDate>> Datums;
    std::optional<QDate> VraagDatum(const QString& titel, const QString& tekst) override
    {
        Gevraagd.append({QStringLiteral("Datum"), titel, tekst, {}, {}});
        return Datums.isEmpty() ? std::nullopt : Datums.takeFirst();
    }

    // The answers to VraagUitloop, in order; cancelled when none is left. The question is kept
    // with the round and minutes it was offered as its text and detail.
    QList<std::optional<TUitloopRegel>> Uitlopen;
    std::optional<TUitloopRegel> VraagUitloop(int ronde, int minuten) override
    {
        Gevraagd.append({QStringLiteral("Uitloop"), {}, QString::number(ronde), QString::number(minuten), {}});
        return Uitlopen.isEmpty() ? std::nullopt : Uitlopen.takeFirst();
    }

private:
    ScriptVraagsteller& Voeg(Antwoord antwoord)
    {
        Antwoorden.append(std::move(antwoord));
        return *this;
    }

    template <typename T> T Neem(T standaard)
    {
        if (Antwoorden.isEmpty()) {
            Fouten << QStringLiteral("geen antwoord op ") + Gevraagd.last().Soort;
            return standaard;
        }
        const Antwoord antwoord = Antwoorden.takeFirst();
        if (const T* waarde = std::get_if<T>(&antwoord))
            return *waarde;
        Fouten << QStringLiteral("verkeerd soort antwoord op ") + Gevraagd.last().Soort;
        return standaard;
    }
};
