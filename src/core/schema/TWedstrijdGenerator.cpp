#include "core/schema/TWedstrijdGenerator.h"

#include <array>

namespace {

bool IsOneven(int n)
{
    return n % 2 != 0;
}

// Windows-1252 for codes 128..159; its five unassigned codes stay the control characters of
// the same code, as Windows itself maps them.
constexpr std::array<char32_t, 32> Cp1252Hoog = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString Nummer(int n)
{
    return QString::number(n);
}

} // namespace

TWedstrijdGenerator::TWedstrijdGenerator(const ToernooiModel::PouleLijstType& poules)
{
    m_poules.reserve(poules.size());
    for (const auto& poule : poules)
        m_poules.push_back(poule.get());
    m_partner = ToernooiModel::PartnerIndexen(poules);
    m_ontmoetingen.resize(m_poules.size());
}

void TWedstrijdGenerator::BereidVoor()
{
    const int aantal = AantalPoules();
    for (int p = 0; p < aantal; ++p) {
        TPouleDetails& poule = Poule(p);
        const int n = int(Teams(p).size());
        poule.WedstrijdenPerHelft = n * (n - 1) / 2;
        poule.EigenWedstrijden =
            poule.CompetitieType == TCompetitieType::HeleCompetitie ? n * (n - 1) : n * (n - 1) / 2;
        poule.KruisPlaatsen = 0;
        poule.KruisWedstrijden = 0.0;
        if (const int q = Partner(p); q >= 0) {
            const int nQ = int(Teams(q).size());
            const bool dubbel =
                poule.KruisPouleCompetitieType == TKruisPouleCompetitieType::DubbeleWedstrijden;
            const int s = n == nQ ? n : std::min(n, nQ);
            poule.KruisPlaatsen = s;
            if (!dubbel)
                poule.KruisWedstrijden = s;
            else if (n == nQ && IsOneven(n))
                poule.KruisWedstrijden = 2 * s - 1;
            else
                poule.KruisWedstrijden = 2 * s;
        }
        poule.Fase = 0;
        poule.WedstrijdenInFase = 0;
        poule.FaseEindRonde = Nooit;
        poule.Voortgang = 0.0;
        for (TTeamDetails* team : Teams(p)) {
            team->Tegenstanders.clear();
            team->Fase = 0;
            team->LaatsteRonde = Nooit;
            team->WedstrijdenInHelft = 0;
            team->Gespeeld = 0;
            team->WedstrijdenPerHelft = n - 1;
        }
        m_ontmoetingen[std::size_t(p)].assign(std::size_t(n) * std::size_t(n), 0);
    }

    // The weights read the partner's counts, so they wait until every poule has its counts.
    // Each formula is evaluated exactly in the order written: the tie-breaks of the schedule
    // depend on the last bit of these values.
    for (int p = 0; p < aantal; ++p) {
        TPouleDetails& poule = Poule(p);
        const int q = Partner(p);
        if (q < 0) {
            poule.GewichtEigen = VolledigeVoortgang / poule.EigenWedstrijden;
        } else {
            const TPouleDetails& partner = Poule(q);
            const double totaal = poule.EigenWedstrijden + poule.KruisWedstrijden;
            const double totaalPartner = partner.EigenWedstrijden + partner.KruisWedstrijden;
            if (totaal >= totaalPartner) {
                poule.GewichtEigen = VolledigeVoortgang / totaal;
                poule.GewichtKruis = VolledigeVoortgang / totaal;
            } else {
                poule.GewichtKruis = VolledigeVoortgang / totaalPartner;
                poule.GewichtEigen =
                    partner.EigenWedstrijden * poule.GewichtKruis / poule.EigenWedstrijden;
            }
        }
        poule.Voortgang = 0.0;
    }
    m_openPoules = aantal;
}

bool TWedstrijdGenerator::PaarKlaar(int p, int a, int b) const
{
    const std::size_t n = Teams(p).size();
    const int keer = m_ontmoetingen[std::size_t(p)][std::size_t(a) * n + std::size_t(b)];
    const quint8 fase = Teams(p)[std::size_t(a)]->Fase;
    return (keer == 1 && fase == 0) || (keer == 2 && fase == 1);
}

bool TWedstrijdGenerator::PaarKlaar(const TTeamDetails& a, const TTeamDetails& b)
{
    const auto keer = a.Tegenstanders.count(const_cast<TTeamDetails*>(&b));
    return (keer == 1 && a.Fase == 0) || (keer == 2 && a.Fase == 1);
}

void TWedstrijdGenerator::BoekTeam(TTeamDetails& team, TTeamDetails* tegenstander, int ronde)
{
    team.LaatsteRonde = ronde;
    ++team.WedstrijdenInHelft;
    ++team.Gespeeld;
    if (team.WedstrijdenInHelft == team.WedstrijdenPerHelft) {
        team.Fase = 1;
        team.WedstrijdenInHelft = 0;
    }
    team.Tegenstanders.append(tegenstander);
}

QString TWedstrijdGenerator::BoekPouleWedstrijd(int p, int a, int b, int ronde)
{
    TTeamDetails* teamA = Teams(p)[std::size_t(a)];
    TTeamDetails* teamB = Teams(p)[std::size_t(b)];
    BoekTeam(*teamA, teamB, ronde);
    BoekTeam(*teamB, teamA, ronde);
    const std::size_t n = Teams(p).size();
    auto& ontmoetingen = m_ontmoetingen[std::size_t(p)];
    ++ontmoetingen[std::size_t(a) * n + std::size_t(b)];
    ++ontmoetingen[std::size_t(b) * n + std::size_t(a)];

    TPouleDetails& poule = Poule(p);
    ++poule.WedstrijdenInFase;
    poule.Voortgang += poule.GewichtEigen;
    if (poule.WedstrijdenInFase == poule.WedstrijdenPerHelft) {
        if (poule.Fase == 0 && poule.CompetitieType == TCompetitieType::HeleCompetitie)
            poule.Fase = 1;
        else
            EindeEigenCompetitie(p, ronde);
        poule.WedstrijdenInFase = 0;
    }
    return poule.PouleNaam + QStringLiteral(" : ") + teamA->TeamNaam + QStringLiteral(" x ") +
           teamB->TeamNaam;
}

void TWedstrijdGenerator::EindeEigenCompetitie(int p, int ronde)
{
    TPouleDetails& poule = Poule(p);
    if (Partner(p) < 0) {
        poule.Fase = 4;
        --m_openPoules;
    } else if (poule.KruisPouleCompetitieType == TKruisPouleCompetitieType::EnkeleWedstrijden) {
        poule.Fase = 3;
    } else {
        poule.Fase = 2;
    }
    poule.FaseEindRonde = ronde;
}

TKruisWedstrijd TWedstrijdGenerator::VolgendeKruis(int p, int q) const
{
    const TPouleDetails& poule = Poule(p);
    const TPouleDetails& partner = Poule(q);
    const int nP = int(Teams(p).size());
    const int nQ = int(Teams(q).size());
    const int m = poule.WedstrijdenInFase;
    const int k = poule.KruisPlaatsen - m;
    const int d = 2 * k;
    const bool gelijkOneven = IsOneven(nP) && nP == nQ;
    // The letters of a pair are always written lower link position first.
    const QString kruis =
        QStringLiteral("Kr. ") + PouleLetter(std::min(p, q) + 1) + PouleLetter(std::max(p, q) + 1);
    const QString plaats = Nummer(d - 1) + QStringLiteral("e&") + Nummer(d) + QStringLiteral("e:");

    using TSoort = TKruisKant::TSoort;
    auto nummer = [&](int positie, const TPouleDetails& van) {
        return TKruisKant{TSoort::Nummer, positie, &van,
                          QStringLiteral("Nummer ") + Nummer(positie) + u' ' + van.PouleNaam};
    };
    auto uitslag = [&](TSoort soort, int j) {
        return TKruisKant{soort, j, nullptr,
                          (soort == TSoort::Winnaar ? QStringLiteral("Winnaar ")
                                                    : QStringLiteral("Verliezer ")) +
                              kruis + Nummer(j)};
    };
    // Crossing match k, or the match of places d - 1 and d.
    auto kruising = [&](TKruisKant kant1, TKruisKant kant2) {
        return TKruisWedstrijd{k, 0, kruis + Nummer(k) + u':', std::move(kant1), std::move(kant2)};
    };
    auto plaatsing = [&](TKruisKant kant1, TKruisKant kant2) {
        return TKruisWedstrijd{0, d - 1, plaats, std::move(kant1), std::move(kant2)};
    };

    if (poule.Fase == 2) {
        if (gelijkOneven && m == 0)
            return plaatsing(nummer(k, poule), nummer(k, partner));
        if (IsOneven(k)) {
            if (nQ == k)
                return kruising(nummer(k + 1, poule), nummer(k, partner));
            return kruising(nummer(k, poule), nummer(k + 1, partner));
        }
        return kruising(nummer(k, poule), nummer(k - 1, partner));
    }
    if (poule.KruisPouleCompetitieType == TKruisPouleCompetitieType::EnkeleWedstrijden)
        return plaatsing(nummer(k, poule), nummer(k, partner));
    if (IsOneven(k) && IsOneven(std::min(nP, nQ)) && nP != nQ && m == 0)
        return plaatsing(uitslag(TSoort::Winnaar, k), nummer(k, nP > nQ ? poule : partner));
    if (IsOneven(k))
        return plaatsing(uitslag(TSoort::Winnaar, k), uitslag(TSoort::Winnaar, k + 1));
    return plaatsing(uitslag(TSoort::Verliezer, k), uitslag(TSoort::Verliezer, k - 1));
}

TKruisWedstrijd TWedstrijdGenerator::BoekKruisWedstrijd(int p, int q, int ronde)
{
    TKruisWedstrijd kruis = VolgendeKruis(p, q);
    const int nP = int(Teams(p).size());
    const bool gelijkOneven = IsOneven(nP) && nP == int(Teams(q).size());
    BoekKruisVoortgang(p, gelijkOneven, ronde);
    BoekKruisVoortgang(q, gelijkOneven, ronde);
    return kruis;
}

void TWedstrijdGenerator::BoekKruisVoortgang(int p, bool gelijkOneven, int ronde)
{
    TPouleDetails& poule = Poule(p);
    ++poule.WedstrijdenInFase;
    poule.Voortgang += poule.GewichtKruis;
    if (poule.WedstrijdenInFase != poule.KruisPlaatsen)
        return;
    if (poule.Fase == 2) {
        poule.Fase = 3;
        poule.FaseEindRonde = ronde;
    } else if (poule.Fase == 3) {
        poule.Fase = 4;
        --m_openPoules;
    }
    poule.WedstrijdenInFase = gelijkOneven ? 1 : 0;
}

QString TWedstrijdGenerator::PouleLetter(int positie)
{
    char32_t code = char32_t(64 + positie);
    if (code >= 0x80 && code <= 0x9F)
        code = Cp1252Hoog[code - 0x80];
    // A lone surrogate cannot be written as text; such positions are far beyond any tournament.
    if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        code = 0xFFFD;
    return QString::fromUcs4(&code, 1);
}
