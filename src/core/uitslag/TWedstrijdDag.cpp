#include "core/uitslag/TWedstrijdDag.h"

#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"

#include <QSet>
#include <algorithm>

namespace {

QString Sleutel(const QString& tekst, int keer) { return QString::number(keer) + u'|' + tekst; }

// Crossing match k of a linked pair.
qint64 KruisSleutel(int paar, int k) { return qint64(paar) << 32 | quint32(k); }

// The kept result as it counts for the match: only a cross match with a level score is decided
// by its flag, whatever a file says of a poule match or of a score that is not level.
std::optional<TUitslag> AlsTellend(const TDagWedstrijd& w, std::optional<TUitslag> uitslag)
{
    if (uitslag && (!w.IsKruis() || uitslag->Doelpunten1 != uitslag->Doelpunten2))
        uitslag->Beslist = 0;
    return uitslag;
}

} // namespace

TWedstrijdDag::TWedstrijdDag(ToernooiModel& model, const TSchemaBoom& boom)
    : m_model(model), m_bron(&model.Uitslagen())
{
    const auto& poules = model.PouleLijst();
    QHash<const TPouleDetails*, int> pouleIndex;
    QHash<const TTeamDetails*, int> teamPositie;
    for (std::size_t p = 0; p < poules.size(); ++p) {
        pouleIndex.insert(poules[p]->Details.get(), int(p));
        for (std::size_t t = 0; t < poules[p]->Teams.size(); ++t)
            teamPositie.insert(poules[p]->Teams[t], int(t));
    }
    const std::vector<int> partners = ToernooiModel::PartnerIndexen(poules);
    m_eigen.resize(poules.size());
    m_standen.resize(poules.size());
    m_eersteMetNaam.assign(poules.size(), false);
    QSet<QString> pouleNamen;
    pouleNamen.reserve(qsizetype(poules.size()));
    for (std::size_t p = 0; p < poules.size(); ++p) {
        const QString& naam = poules[p]->Details->PouleNaam;
        if (!pouleNamen.contains(naam)) {
            pouleNamen.insert(naam);
            m_eersteMetNaam[p] = true;
        }
    }
    QHash<int, int> paarVanPoule; // lower poule of a pair -> pair index

    boom.VoorElkeWedstrijd([&](std::size_t r, std::size_t v, const TWedstrijdDetails& record,
                               const QString& tekst, int keer) {
        const int p = pouleIndex.value(record.Poule1, -1);
        if (p < 0)
            return;
        TDagWedstrijd w;
        w.Ronde = int(r);
        w.Veld = int(v);
        w.Tekst = tekst;
        w.Keer = keer;
        const int index = int(m_wedstrijden.size());
        if (record.Team1 && record.Team2) {
            w.Poule = p;
            w.Team1 = teamPositie.value(record.Team1, -1);
            w.Team2 = teamPositie.value(record.Team2, -1);
            m_eigen[std::size_t(p)].push_back(index);
        } else {
            const int q = partners[std::size_t(p)];
            if (q < 0)
                return;
            const int laag = std::min(p, q);
            auto paar = paarVanPoule.constFind(laag);
            if (paar == paarVanPoule.cend()) {
                paar = paarVanPoule.insert(laag, int(m_paren.size()));
                m_paren.push_back(TDagPaar{laag, std::max(p, q), {}, {}});
            }
            w.Paar = *paar;
            m_paren[std::size_t(*paar)].Wedstrijden.push_back(index);
            w.Kruis = record.Kruis;
            if (w.Kruis && w.Kruis->Kruis > 0)
                m_kruisen.insert(KruisSleutel(w.Paar, w.Kruis->Kruis), index);
            m_kruisVolgorde.push_back(index);
        }
        m_wedstrijden.push_back(std::move(w));
    });
    LeesUitslagen();
}

const QStringList& TWedstrijdDag::Onleesbaar() const { return m_bron->Onleesbaar(); }

void TWedstrijdDag::LeesUitslagen()
{
    const TUitslagen& uitslagen = *m_bron;
    QSet<QString> bekend;
    bekend.reserve(qsizetype(m_wedstrijden.size()));
    for (TDagWedstrijd& w : m_wedstrijden) {
        const TUitslag* uitslag = uitslagen.Zoek(w.Tekst, w.Keer);
        w.Opgeslagen = uitslag ? std::optional<TUitslag>(*uitslag) : std::nullopt;
        w.Uitslag = AlsTellend(w, w.Opgeslagen);
        bekend.insert(Sleutel(w.Tekst, w.Keer));
    }
    m_nietInSchema.clear();
    for (const TUitslag& uitslag : uitslagen.Lijst()) {
        if (!bekend.contains(Sleutel(uitslag.Wedstrijd, uitslag.Keer)))
            m_nietInSchema.push_back(uitslag);
    }
    for (std::size_t p = 0; p < m_standen.size(); ++p)
        BerekenPoule(int(p));
    BerekenKruis();
}

std::optional<TUitslag> TWedstrijdDag::AlsOpgeslagen(int wedstrijd,
                                                     std::optional<TUitslag> uitslag) const
{
    if (!uitslag)
        return uitslag;
    const TDagWedstrijd& w = m_wedstrijden[std::size_t(wedstrijd)];
    uitslag->Wedstrijd = w.Tekst;
    uitslag->Keer = w.Keer;
    // A decision counts only for a cross match with a level score.
    if (!w.IsKruis() || uitslag->Doelpunten1 != uitslag->Doelpunten2 || uitslag->Beslist < 0
        || uitslag->Beslist > 2)
        uitslag->Beslist = 0;
    // The teams that play it, once both are known.
    const bool bekend = w.IsKruis() && w.Kant1 && w.Kant2;
    uitslag->Team1 = bekend ? w.Kant1->TeamNaam : QString();
    uitslag->Team2 = bekend ? w.Kant2->TeamNaam : QString();
    return uitslag;
}

void TWedstrijdDag::Herbereken(int wedstrijd)
{
    TDagWedstrijd& w = m_wedstrijden[std::size_t(wedstrijd)];
    if (!w.IsKruis()) {
        w.Uitslag = AlsTellend(w, w.Opgeslagen);
        BerekenPoule(w.Poule);
    }
    BerekenKruis();
}

std::vector<TGevolg> TWedstrijdDag::Gespeeld() const
{
    std::vector<TGevolg> gespeeld;
    for (int index : m_kruisVolgorde) {
        const TDagWedstrijd& w = m_wedstrijden[std::size_t(index)];
        if (w.Uitslag && w.Kant1 && w.Kant2)
            gespeeld.push_back(TGevolg{index, w.Kant1, w.Kant2, nullptr, nullptr});
    }
    return gespeeld;
}

std::vector<TGevolg> TWedstrijdDag::Verschoven(std::vector<TGevolg> gespeeld) const
{
    std::vector<TGevolg> gevolgen;
    for (TGevolg& g : gespeeld) {
        const TDagWedstrijd& w = m_wedstrijden[std::size_t(g.Wedstrijd)];
        if (w.Kant1 == g.Voor1 && w.Kant2 == g.Voor2)
            continue;
        g.Na1 = w.Kant1;
        g.Na2 = w.Kant2;
        gevolgen.push_back(g);
    }
    return gevolgen;
}

std::vector<TGevolg> TWedstrijdDag::GevolgenVanUitslag(int wedstrijd,
                                                       const std::optional<TUitslag>& uitslag)
{
    if (wedstrijd < 0 || wedstrijd >= int(m_wedstrijden.size()))
        return {};
    std::vector<TGevolg> gespeeld = Gespeeld();
    if (gespeeld.empty())
        return {};
    // Worked out on the match day itself and put back: only the match's poule and the cross
    // matches are recomputed, twice.
    TDagWedstrijd& w = m_wedstrijden[std::size_t(wedstrijd)];
    const std::optional<TUitslag> oud = w.Opgeslagen;
    w.Opgeslagen = AlsOpgeslagen(wedstrijd, uitslag);
    Herbereken(wedstrijd);
    std::vector<TGevolg> gevolgen = Verschoven(std::move(gespeeld));
    w.Opgeslagen = oud;
    Herbereken(wedstrijd);
    return gevolgen;
}

std::vector<TGevolg> TWedstrijdDag::GevolgenVan(const TUitslagen& kandidaat)
{
    std::vector<TGevolg> gespeeld = Gespeeld();
    if (gespeeld.empty())
        return {};
    const TUitslagen* bron = m_bron;
    m_bron = &kandidaat;
    LeesUitslagen();
    std::vector<TGevolg> gevolgen = Verschoven(std::move(gespeeld));
    m_bron = bron;
    LeesUitslagen();
    return gevolgen;
}

bool TWedstrijdDag::Bind(TUitslagen& uitslagen, const TDagWedstrijd& w, const TGevolg& gevolg)
{
    const TUitslag* gespeeld = uitslagen.Zoek(w.Tekst, w.Keer);
    if (!gespeeld || gespeeld->HeeftTeams() || !gevolg.Voor1 || !gevolg.Voor2)
        return false;
    TUitslag gebonden = *gespeeld;
    gebonden.Team1 = gevolg.Voor1->TeamNaam;
    gebonden.Team2 = gevolg.Voor2->TeamNaam;
    return uitslagen.Zet(gebonden);
}

void TWedstrijdDag::ZetUitslag(int wedstrijd, const std::optional<TUitslag>& uitslag)
{
    if (wedstrijd < 0 || wedstrijd >= int(m_wedstrijden.size()))
        return;
    ZetUitslag(wedstrijd, uitslag, GevolgenVanUitslag(wedstrijd, uitslag));
}

void TWedstrijdDag::ZetUitslag(int wedstrijd, const std::optional<TUitslag>& uitslag,
                               const std::vector<TGevolg>& gevolgen)
{
    if (wedstrijd < 0 || wedstrijd >= int(m_wedstrijden.size()))
        return;
    TDagWedstrijd& w = m_wedstrijden[std::size_t(wedstrijd)];
    const std::optional<TUitslag> nieuw = AlsOpgeslagen(wedstrijd, uitslag);
    // A kept result that counts for no one here (its teams no longer play this match) is
    // set aside rather than replaced or removed.
    const bool terzijde = w.Opgeslagen && !w.Uitslag && nieuw != w.Opgeslagen;
    m_model.WijzigUitslagen([&](TUitslagen& u) {
        bool anders = false;
        for (const TGevolg& g : gevolgen)
            anders |= Bind(u, m_wedstrijden[std::size_t(g.Wedstrijd)], g);
        if (terzijde) {
            u.ZetTerzijde(*w.Opgeslagen);
            anders = true;
        }
        anders |= nieuw ? u.Zet(*nieuw) : u.Wis(w.Tekst, w.Keer);
        return anders;
    }, nieuw ? u"uitslag invoeren" : u"uitslag wissen");
    for (const TGevolg& g : gevolgen) {
        TDagWedstrijd& verschoven = m_wedstrijden[std::size_t(g.Wedstrijd)];
        const TUitslag* gebonden = m_bron->Zoek(verschoven.Tekst, verschoven.Keer);
        verschoven.Opgeslagen = gebonden ? std::optional<TUitslag>(*gebonden) : std::nullopt;
    }
    w.Opgeslagen = nieuw;
    Herbereken(wedstrijd);
}

void TWedstrijdDag::Vervang(TUitslagen kandidaat, const std::vector<TGevolg>& gevolgen,
                           QStringView naam)
{
    for (const TGevolg& g : gevolgen)
        Bind(kandidaat, m_wedstrijden[std::size_t(g.Wedstrijd)], g);
    m_model.ZetUitslagen(std::move(kandidaat), naam);
    LeesUitslagen();
}

void TWedstrijdDag::BerekenPoule(int poule)
{
    const TPoule& p = *m_model.PouleLijst()[std::size_t(poule)];
    const int aantal = int(p.Teams.size());
    std::vector<TGespeeld> gespeeld;
    const auto& eigen = m_eigen[std::size_t(poule)];
    gespeeld.reserve(eigen.size());
    for (int index : eigen) {
        const TDagWedstrijd& w = m_wedstrijden[std::size_t(index)];
        if (w.Uitslag && w.Team1 >= 0 && w.Team2 >= 0)
            gespeeld.push_back(
                TGespeeld{w.Team1, w.Team2, w.Uitslag->Doelpunten1, w.Uitslag->Doelpunten2});
    }
    // A lot line counts for the first poule of its exact name only.
    const QString& naam = p.Details->PouleNaam;
    std::optional<QList<int>> loting;
    if (m_eersteMetNaam[std::size_t(poule)])
        loting = m_bron->Loting(naam, aantal);
    TPouleStand stand = BerekenStand(aantal, gespeeld, m_bron->Punten(), loting);
    stand.Definitief = !eigen.empty() && gespeeld.size() == eigen.size();
    m_standen[std::size_t(poule)] = std::move(stand);
}

std::optional<QList<int>> TWedstrijdDag::VerschuifLoting(int poule, int regel,
                                                         int richting) const
{
    if (poule < 0 || std::size_t(poule) >= m_standen.size())
        return std::nullopt;
    const auto& regels = m_standen[std::size_t(poule)].Regels;
    const int ander = regel + richting;
    const int onder = std::max(regel, ander);
    if (regel < 0 || ander < 0 || std::size_t(regel) >= regels.size()
        || std::size_t(ander) >= regels.size() || !regels[std::size_t(onder)].GelijkAanVorige)
        return std::nullopt;
    const TPouleDetails* details = m_model.PouleLijst()[std::size_t(poule)]->Details.get();
    if (m_model.ZoekPoule(details->PouleNaam) != details)
        return std::nullopt;
    QList<int> posities;
    posities.reserve(qsizetype(regels.size()));
    for (const TStandRegel& r : regels)
        posities.append(r.Team + 1);
    posities.swapItemsAt(regel, ander);
    return posities;
}

const TTeamDetails* TWedstrijdDag::Nummer(int poule, int k) const
{
    if (poule < 0 || poule >= int(m_standen.size()))
        return nullptr;
    const TPouleStand& stand = m_standen[std::size_t(poule)];
    if (!stand.Definitief || k < 1 || k > int(stand.Regels.size()))
        return nullptr;
    const TStandRegel& regel = stand.Regels[std::size_t(k - 1)];
    if (regel.GelijkMerk)
        return nullptr;
    return m_model.PouleLijst()[std::size_t(poule)]->Teams[std::size_t(regel.Team)];
}

const TTeamDetails* TWedstrijdDag::KantTeam(const TKruisKant& kant, int paar,
                                            int wedstrijd) const
{
    if (kant.Soort == TKruisKant::TSoort::Nummer) {
        // A place in one of the pair's poules; a side whose poule is no longer in the pair
        // stays unknown.
        const TDagPaar& p = m_paren[std::size_t(paar)];
        for (const int poule : {p.Poule1, p.Poule2}) {
            if (m_model.PouleLijst()[std::size_t(poule)]->Details.get() == kant.Poule)
                return Nummer(poule, kant.Nummer);
        }
        return nullptr;
    }
    // Only an earlier match can decide a side; the matches are resolved in schedule order.
    const int eerder = m_kruisen.value(KruisSleutel(paar, kant.Nummer), -1);
    if (eerder < 0 || eerder >= wedstrijd)
        return nullptr;
    const TDagWedstrijd& w = m_wedstrijden[std::size_t(eerder)];
    if (w.Winnaar == 0)
        return nullptr;
    const bool winnaar = kant.Soort == TKruisKant::TSoort::Winnaar;
    return (w.Winnaar == 1) == winnaar ? w.Kant1 : w.Kant2;
}

void TWedstrijdDag::BerekenKruis()
{
    m_vervallen = m_nietInSchema;
    m_vervallen.insert(m_vervallen.end(), m_bron->Terzijde().begin(), m_bron->Terzijde().end());
    for (TDagPaar& paar : m_paren)
        paar.Eindstand.clear();
    for (int index : m_kruisVolgorde) {
        TDagWedstrijd& w = m_wedstrijden[std::size_t(index)];
        w.Kant1 = w.Kant2 = nullptr;
        w.Winnaar = 0;
        if (!w.Kruis)
            continue;
        w.Kant1 = KantTeam(w.Kruis->Kant1, w.Paar, index);
        w.Kant2 = KantTeam(w.Kruis->Kant2, w.Paar, index);
        // A result counts for the teams that played it: a result kept with other teams than
        // the sides now have lapses (a result entered before its sides were known counts for
        // whoever they turn out to be).
        w.Uitslag = AlsTellend(w, w.Opgeslagen);
        if (w.Opgeslagen && w.Opgeslagen->HeeftTeams()
            && !(w.Kant1 && w.Kant2 && w.Kant1->TeamNaam == w.Opgeslagen->Team1
                 && w.Kant2->TeamNaam == w.Opgeslagen->Team2)) {
            w.Uitslag.reset();
            m_vervallen.push_back(*w.Opgeslagen);
        }
        if (w.Kant1 && w.Kant2 && w.Uitslag) {
            const TUitslag& u = *w.Uitslag;
            if (u.Doelpunten1 != u.Doelpunten2)
                w.Winnaar = u.Doelpunten1 > u.Doelpunten2 ? 1 : 2;
            else
                w.Winnaar = u.Beslist;
        }
        if (w.Kruis->Plaats > 0) {
            const TTeamDetails* winnaar = w.Winnaar == 0 ? nullptr : w.Winnaar == 1 ? w.Kant1 : w.Kant2;
            const TTeamDetails* verliezer = w.Winnaar == 0 ? nullptr : w.Winnaar == 1 ? w.Kant2 : w.Kant1;
            auto& eindstand = m_paren[std::size_t(w.Paar)].Eindstand;
            eindstand.push_back(TEindPlaats{w.Kruis->Plaats, winnaar});
            eindstand.push_back(TEindPlaats{w.Kruis->Plaats + 1, verliezer});
        }
    }
    for (TDagPaar& paar : m_paren)
        std::sort(paar.Eindstand.begin(), paar.Eindstand.end(),
                  [](const TEindPlaats& a, const TEindPlaats& b) { return a.Plaats < b.Plaats; });
}

QString TWedstrijdDag::IngevuldeTekst(int wedstrijd) const
{
    const TDagWedstrijd& w = m_wedstrijden[std::size_t(wedstrijd)];
    if (!w.Kruis)
        return w.Tekst;
    const QString kant1 = w.Kant1 ? w.Kant1->TeamNaam : w.Kruis->Kant1.Tekst;
    const QString kant2 = w.Kant2 ? w.Kant2->TeamNaam : w.Kruis->Kant2.Tekst;
    return w.Kruis->Voorvoegsel + kant1 + QStringLiteral(" x ") + kant2;
}
