#include "core/uitslag/KruisTekst.h"

#include "core/bestand/ToernooiSleutel.h"

namespace {

std::optional<int> Positief(QStringView tekst)
{
    if (tekst.isEmpty() || !tekst.front().isDigit())
        return std::nullopt;
    const auto getal = LeesGetal(tekst);
    if (!getal || *getal < 1)
        return std::nullopt;
    return getal;
}

std::optional<TKruisKant> LeesKant(QStringView tekst, const QString& poule1,
                                   const QString& poule2)
{
    TKruisKant kant;
    kant.Tekst = tekst.toString();
    constexpr QStringView nummer = u"Nummer ";
    constexpr QStringView winnaar = u"Winnaar ";
    constexpr QStringView verliezer = u"Verliezer ";
    if (tekst.startsWith(nummer)) {
        const QStringView rest = tekst.sliced(nummer.size());
        const qsizetype spatie = rest.indexOf(u' ');
        if (spatie < 0)
            return std::nullopt;
        const auto k = Positief(rest.first(spatie));
        const QStringView naam = rest.sliced(spatie + 1);
        if (!k || (naam != poule1 && naam != poule2))
            return std::nullopt;
        kant.Nummer = *k;
        kant.Poule = naam.toString();
        return kant;
    }
    const bool isWinnaar = tekst.startsWith(winnaar);
    if (!isWinnaar && !tekst.startsWith(verliezer))
        return std::nullopt;
    const QStringView kruis = tekst.sliced(isWinnaar ? winnaar.size() : verliezer.size());
    if (!kruis.startsWith(u"Kr. "))
        return std::nullopt;
    kant.Soort = isWinnaar ? TKruisKant::TSoort::Winnaar : TKruisKant::TSoort::Verliezer;
    kant.Kruis = kruis.toString();
    return kant;
}

} // namespace

std::optional<TKruisTekst> LeesKruisTekst(const QString& tekst, const QString& poule1,
                                          const QString& poule2)
{
    const qsizetype dubbelepunt = tekst.indexOf(u':');
    if (dubbelepunt < 0)
        return std::nullopt;
    TKruisTekst kruis;
    kruis.Voorvoegsel = tekst.first(dubbelepunt + 1);
    const QStringView kop = QStringView(tekst).first(dubbelepunt);
    if (kop.startsWith(u"Kr. ")) {
        kruis.Kruis = kop.toString();
    } else {
        // "(d-1)e&de"
        const qsizetype en = kop.indexOf(u"e&");
        if (en < 0 || !kop.endsWith(u'e'))
            return std::nullopt;
        const auto hoger = Positief(kop.first(en));
        const auto lager = Positief(kop.sliced(en + 2).chopped(1));
        if (!hoger || !lager || *lager != *hoger + 1)
            return std::nullopt;
        kruis.Plaats = *hoger;
    }

    // A poule name may hold " x " itself: take the first split at which both sides read.
    const QStringView rest = QStringView(tekst).sliced(dubbelepunt + 1);
    for (qsizetype x = rest.indexOf(u" x "); x >= 0; x = rest.indexOf(u" x ", x + 1)) {
        const auto kant1 = LeesKant(rest.first(x), poule1, poule2);
        const auto kant2 = LeesKant(rest.sliced(x + 3), poule1, poule2);
        if (kant1 && kant2) {
            kruis.Kant1 = *kant1;
            kruis.Kant2 = *kant2;
            return kruis;
        }
    }
    return std::nullopt;
}
