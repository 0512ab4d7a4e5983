#include "core/bestand/ScheidsrechterGroep.h"

#include "core/bestand/SchemaGroep.h"
#include "core/model/TSchemaIndeling.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <utility>

namespace ScheidsrechterGroep {

namespace {

constexpr std::array<QStringView, 3> TeamsWaarden{u"Geen", u"Alle", u"Poules"};
constexpr std::array<QStringView, 3> WedstrijdenWaarden{u"Alle", u"EigenPoule", u"AnderePoules"};
constexpr std::array<QStringView, 3> RustWaarden{u"Geen", u"NietErvoorOfErna", u"BlijftOpVeld"};
constexpr QStringView Ja = u"Ja";
constexpr QStringView Nee = u"Nee";

// The position of the value among the fixed values, letter case ignored; 0 (the default) when
// it is none of them.
template <std::size_t N> int Keuze(const std::array<QStringView, N>& waarden, QStringView waarde)
{
    const QString hoofd = HoofdLetters(waarde);
    for (std::size_t i = 0; i < N; ++i) {
        if (HoofdLetters(waarden[i]) == hoofd)
            return int(i);
    }
    return 0;
}

class TRegels
{
public:
    void Sleutel(TToernooiSleutel sleutel, QStringView waarde)
    {
        m_tekst += SleutelNaam(sleutel);
        m_tekst += u'=';
        m_tekst += waarde;
        m_tekst += QStringLiteral("\r\n");
    }
    [[nodiscard]] QString Tekst() && { return std::move(m_tekst) + QStringLiteral("#\r\n"); }

private:
    QString m_tekst;
};

QString Getallen(const QList<int>& getallen)
{
    QStringList delen;
    delen.reserve(getallen.size());
    for (const int getal : getallen)
        delen.append(QString::number(getal));
    return delen.join(u',');
}

} // namespace

QString Regels(const TScheidsrechters& s)
{
    if (s.Leeg())
        return {};
    TRegels regels;
    regels.Sleutel(TToernooiSleutel::ScheidsrechterTeams, TeamsWaarden[std::size_t(s.Teams)]);
    for (const QString& poule : s.Poules)
        regels.Sleutel(TToernooiSleutel::ScheidsrechterPoule, poule);
    for (const TScheidsPersoon& persoon : s.Personen) {
        regels.Sleutel(TToernooiSleutel::Scheidsrechter, persoon.Naam);
        if (!persoon.Afwezig.isEmpty())
            regels.Sleutel(TToernooiSleutel::ScheidsrechterAfwezig, Getallen(persoon.Afwezig));
    }
    regels.Sleutel(TToernooiSleutel::ScheidsrechterWedstrijden, WedstrijdenWaarden[std::size_t(s.Wedstrijden)]);
    regels.Sleutel(TToernooiSleutel::ScheidsrechterRust, RustWaarden[std::size_t(s.Rust)]);
    regels.Sleutel(TToernooiSleutel::ScheidsrechterEigenClub, s.NietEigenClub ? Nee : Ja);

    // The matches per referee, the referees in the order of their first match.
    QStringList namen;
    QHash<QString, QList<const TScheidsToewijzing*>> taken;
    for (const TScheidsToewijzing& t : s.Toewijzingen) {
        auto& lijst = taken[t.Naam];
        if (lijst.isEmpty())
            namen.append(t.Naam);
        lijst.append(&t);
    }
    for (const QString& naam : std::as_const(namen)) {
        regels.Sleutel(TToernooiSleutel::Fluiter, naam);
        for (const TScheidsToewijzing* t : std::as_const(taken[naam])) {
            regels.Sleutel(TToernooiSleutel::Fluit, QString::number(t->Ronde) + u',' + QString::number(t->Veld)
                                                       + u',' + QString::number(t->Keer) + u',' + t->Tekst);
        }
    }
    return std::move(regels).Tekst();
}

void TLezer::Regel(TToernooiSleutel sleutel, QStringView waarde)
{
    switch (sleutel) {
    case TToernooiSleutel::ScheidsrechterTeams:
        m_gelezen.Teams = TScheidsTeams(Keuze(TeamsWaarden, waarde));
        return;
    case TToernooiSleutel::ScheidsrechterPoule:
        m_gelezen.Poules.append(waarde.toString());
        return;
    case TToernooiSleutel::Scheidsrechter:
        m_gelezen.Personen.append({waarde.toString(), {}});
        return;
    case TToernooiSleutel::ScheidsrechterAfwezig:
        if (m_gelezen.Personen.isEmpty())
            return;
        for (const QStringView deel : waarde.split(u',')) {
            const auto ronde = LeesGetal(deel);
            if (ronde && *ronde >= 1)
                m_gelezen.Personen.back().Afwezig.append(*ronde);
        }
        return;
    case TToernooiSleutel::ScheidsrechterWedstrijden:
        m_gelezen.Wedstrijden = TScheidsPoules(Keuze(WedstrijdenWaarden, waarde));
        return;
    case TToernooiSleutel::ScheidsrechterRust:
        m_gelezen.Rust = TScheidsRust(Keuze(RustWaarden, waarde));
        return;
    case TToernooiSleutel::ScheidsrechterEigenClub:
        m_gelezen.NietEigenClub = HoofdLetters(waarde) == HoofdLetters(Nee);
        return;
    case TToernooiSleutel::Fluiter:
        m_fluiter = waarde.toString();
        m_heeftFluiter = true;
        return;
    case TToernooiSleutel::Fluit: {
        if (!m_heeftFluiter)
            return;
        // The same form as a kept place of the schedule.
        TSchemaIndeling plek;
        SchemaGroep::LeesRegel(plek, waarde);
        for (const TSchemaPlek& p : std::as_const(plek.Plekken))
            m_gelezen.Toewijzingen.append({p.Ronde, p.Veld, p.Keer, p.Tekst, m_fluiter});
        return;
    }
    default:
        return;
    }
}

TScheidsrechters TLezer::Neem()
{
    SorteerToewijzingen(m_gelezen.Toewijzingen);
    m_fluiter.clear();
    m_heeftFluiter = false;
    return std::exchange(m_gelezen, {});
}

} // namespace ScheidsrechterGroep
