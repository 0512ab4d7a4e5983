#include "core/schema/TSchemaBouwer.h"

#include "core/model/PouleTitel.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/ControleerKoppelingen.h"

#include <algorithm>

namespace {

const QString GeenWedstrijd = QStringLiteral(": Geen wedstrijd");
const QString Finale = QStringLiteral("1e&2e");

QString VeldKop(int veld)
{
    return QStringLiteral("Veld ") + QString::number(veld);
}

} // namespace

TSchemaBouwer::TSchemaBouwer(const ToernooiModel& model) : m_model(model) {}

TSchemaBouwer::~TSchemaBouwer() = default;

QString TSchemaBouwer::NietPassendTekst()
{
    return QStringLiteral("Het schema past niet in de beschikbare velden en ronden: na ronde ") +
           QString::number(LaatsteRonde) +
           QStringLiteral(" zijn nog niet alle wedstrijden geplaatst.");
}

QString TSchemaBouwer::ControleerVooraf() const
{
    const auto& poules = m_model.PouleLijst();
    if (poules.empty())
        return QStringLiteral("U heeft geen poules aangemaakt.");
    for (const auto& poule : poules) {
        if (poule->Teams.size() < 2) {
            return PouleTitel(poule->Details->PouleNaam) +
                   QStringLiteral(" heeft maar ") + QString::number(poule->Teams.size()) +
                   QStringLiteral(" team(s). Niet genoeg om wedstrijden mee te bouwen.");
        }
    }
    const QStringList koppelingen = ControleerKoppelingen(m_model);
    if (!koppelingen.isEmpty())
        return koppelingen.join(u'\n');

    // Every slot holds at most one match. Counting first keeps a poule far too large for the
    // table from ever reaching the loop (or the size of its tables of meetings).
    const VeldenEnRonden& velden = m_model.Velden();
    qint64 vakken = 0;
    int laatsteBruikbaar = 0;
    for (int ronde = 1; ronde <= LaatsteRonde; ++ronde) {
        for (int veld = 1; veld <= m_aantalVelden; ++veld) {
            if (velden.Beschikbaar(veld, ronde)) {
                ++vakken;
                laatsteBruikbaar = ronde;
            }
        }
    }
    qint64 wedstrijden = 0;
    for (const auto& poule : poules) {
        const qint64 n = qint64(poule->Teams.size());
        wedstrijden += n * (n - 1) / 2;
        if (MinsteRonden(*poule->Details, n) > laatsteBruikbaar)
            return NietPassendTekst();
    }
    if (wedstrijden > vakken)
        return NietPassendTekst();
    return {};
}

qint64 TSchemaBouwer::MinsteRonden(const TPouleDetails& poule, qint64 n)
{
    // A team plays at most once in any rust+1 consecutive rounds, so any rust+1 consecutive
    // rounds hold at most n/2 of the poule's own matches. With k = ceil(eigen / (n/2)) such
    // windows needed, the last own match falls at the earliest in round (rust+1)(k-1) + 1.
    // Cross matches only come later, so this is a floor the build can never beat.
    if (n < 2)
        return 0;
    const qint64 rust = std::max(poule.MinimaleRust, 0);
    const qint64 eigen =
        poule.CompetitieType == TCompetitieType::HeleCompetitie ? n * (n - 1) : n * (n - 1) / 2;
    const qint64 perVenster = n / 2;
    const qint64 vensters = (eigen + perVenster - 1) / perVenster;
    return (rust + 1) * (vensters - 1) + 1;
}

TBouwUitkomst TSchemaBouwer::BouwSchema(TSchemaBoom& boom)
{
    m_aantalVelden = m_model.AantalVelden();
    if (QString fout = ControleerVooraf(); !fout.isEmpty())
        return {false, fout};

    m_generator = std::make_unique<TWedstrijdGenerator>(m_model.PouleLijst());
    m_boom = TSchemaBoom();
    m_huidigeRonde = 1;
    m_huidigVeld = 0;
    m_vol = false;
    VolgendVeld();
    m_generator->BereidVoor();
    ZetVolgorde();

    while (m_generator->OpenPoules() > 0) {
        if (m_vol) {
            m_boom = TSchemaBoom();
            return {false, NietPassendTekst()};
        }
        if (m_annuleren && m_annuleren->load(std::memory_order_relaxed)) {
            m_boom = TSchemaBoom();
            return {false, QStringLiteral("Het bouwen van het schema is afgebroken."), true};
        }
        KiesWedstrijd();
        PlaatsWedstrijd();
    }
    FinaleNaarVeld1(m_boom);
    boom = std::move(m_boom);
    m_boom = TSchemaBoom();
    return {true, {}};
}

void TSchemaBouwer::VolgendVeld()
{
    const VeldenEnRonden& velden = m_model.Velden();
    for (;;) {
        ++m_huidigVeld;
        if (m_huidigVeld > m_aantalVelden) {
            ++m_huidigeRonde;
            m_huidigVeld = 1;
        }
        // The table offers no round after the last; the cursor stops there for good.
        if (m_huidigeRonde > LaatsteRonde) {
            m_vol = true;
            return;
        }
        if (m_huidigVeld == 1) {
            TSchemaRonde ronde;
            ronde.Ronde = m_huidigeRonde;
            ronde.Tekst = QStringLiteral("Ronde ") + QString::number(m_huidigeRonde);
            ronde.Velden.reserve(std::size_t(m_aantalVelden));
            m_boom.Ronden.push_back(std::move(ronde));
        }
        if (velden.Beschikbaar(m_huidigVeld, m_huidigeRonde))
            return;
        m_boom.Ronden.back().Velden.push_back({VeldKop(m_huidigVeld) + GeenWedstrijd, {}});
    }
}

bool TSchemaBouwer::Voor(int p, int q) const
{
    const double vP = m_generator->Poule(p).Voortgang;
    const double vQ = m_generator->Poule(q).Voortgang;
    return vP < vQ || (vP == vQ && p > q);
}

void TSchemaBouwer::ZetVolgorde()
{
    const int aantal = m_generator->AantalPoules();
    m_volgorde.clear();
    for (int p = aantal - 1; p >= 0; --p)
        m_volgorde.push_back(p);
    std::stable_sort(m_volgorde.begin(), m_volgorde.end(),
                     [this](int p, int q) { return Voor(p, q); });
    m_ongeschiktInRonde.assign(std::size_t(aantal), 0);
    m_ongeschiktRonde = 0;
    m_ongeschiktAantal = 0;
}

bool TSchemaBouwer::BepaalKandidaten(int p)
{
    // The teams of the poule that may play in this slot: rested long enough and, while the
    // poule plays its own matches, in the poule's half.
    const TPouleDetails& poule = m_generator->Poule(p);
    const auto& teams = m_generator->Teams(p);
    const qint64 grens = qint64(m_huidigeRonde) - poule.MinimaleRust;
    const bool eigen = poule.Fase <= 1;
    m_uitgerust.clear();
    for (int t = 0; t < int(teams.size()); ++t) {
        const TTeamDetails& team = *teams[std::size_t(t)];
        if (team.LaatsteRonde >= grens)
            continue;
        if (eigen && team.Fase != poule.Fase)
            continue;
        m_uitgerust.push_back(t);
    }
    if (m_uitgerust.size() < 2)
        return false;
    if (!eigen)
        return KruisMogelijk(p);

    // The pair of this poule: among the pairs that may still meet, the last one whose teams
    // have played no more than those of the pair chosen so far.
    int a = 9000;
    int b = 9000;
    bool gevonden = false;
    for (std::size_t i = 0; i < m_uitgerust.size(); ++i) {
        const int teamA = m_uitgerust[i];
        const int gespeeldA = teams[std::size_t(teamA)]->Gespeeld;
        for (std::size_t j = i + 1; j < m_uitgerust.size(); ++j) {
            const int teamB = m_uitgerust[j];
            const int gespeeldB = teams[std::size_t(teamB)]->Gespeeld;
            if (m_generator->PaarKlaar(p, teamA, teamB) || gespeeldA > a || gespeeldB > b)
                continue;
            m_keuze = {p, teamA, teamB, -1};
            a = gespeeldA;
            b = gespeeldB;
            gevonden = true;
        }
    }
    return gevonden;
}

bool TSchemaBouwer::KruisMogelijk(int p) const
{
    const TPouleDetails& poule = m_generator->Poule(p);
    const int q = m_generator->Partner(p);
    if (q < 0 || poule.FaseEindRonde >= m_huidigeRonde)
        return false;
    const TPouleDetails& partner = m_generator->Poule(q);
    return partner.Fase == poule.Fase && partner.FaseEindRonde < m_huidigeRonde;
}

void TSchemaBouwer::KiesWedstrijd()
{
    // Walking the open poules from least progress on, the first poule with a pair to play is
    // the poule-match choice and the first with a cross match the cross choice. A cross
    // match wins only when the poule-match poule has strictly more progress, so after a cross
    // candidate only the poules of exactly its progress still matter.
    m_keuze = TKeuze();
    if (m_ongeschiktRonde == m_huidigeRonde && m_ongeschiktAantal == int(m_volgorde.size()))
        return;
    int kruis = -1;
    double kruisVoortgang = 0.0;
    for (const int p : m_volgorde) {
        const TPouleDetails& poule = m_generator->Poule(p);
        if (kruis >= 0 && poule.Voortgang != kruisVoortgang)
            break;
        if (m_ongeschiktInRonde[std::size_t(p)] == m_huidigeRonde)
            continue;
        if (kruis >= 0 && poule.Fase > 1)
            continue;
        if (BepaalKandidaten(p)) {
            if (poule.Fase <= 1)
                return;
            kruis = p;
            kruisVoortgang = poule.Voortgang;
        } else {
            MarkeerOngeschikt(p);
        }
    }
    if (kruis >= 0)
        m_keuze = {kruis, -1, -1, m_generator->Partner(kruis)};
}

void TSchemaBouwer::MarkeerOngeschikt(int p)
{
    if (m_ongeschiktRonde != m_huidigeRonde) {
        m_ongeschiktRonde = m_huidigeRonde;
        m_ongeschiktAantal = 0;
    }
    m_ongeschiktInRonde[std::size_t(p)] = m_huidigeRonde;
    ++m_ongeschiktAantal;
}

void TSchemaBouwer::PlaatsWedstrijd()
{
    TSchemaRonde& ronde = m_boom.Ronden.back();
    const QString kop = VeldKop(m_huidigVeld) + QStringLiteral(": ");
    const int p = m_keuze.Poule;
    if (p >= 0 && m_keuze.Partner < 0) {
        const QString tekst =
            m_generator->BoekPouleWedstrijd(p, m_keuze.A, m_keuze.B, m_huidigeRonde);
        TPouleDetails* poule = &m_generator->Poule(p);
        const auto& teams = m_generator->Teams(p);
        ronde.Velden.push_back(
            {kop + tekst, TWedstrijdDetails{teams[std::size_t(m_keuze.A)], poule,
                                            teams[std::size_t(m_keuze.B)], poule}});
        NaBoeking(p, -1);
    } else if (p >= 0) {
        TKruisWedstrijd kruis = m_generator->BoekKruisWedstrijd(p, m_keuze.Partner, m_huidigeRonde);
        TPouleDetails* poule = &m_generator->Poule(p);
        const QString tekst = kruis.Tekst();
        ronde.Velden.push_back(
            {kop + tekst, TWedstrijdDetails{nullptr, poule, nullptr, poule, std::move(kruis)}});
        NaBoeking(p, m_keuze.Partner);
    } else {
        ronde.Velden.push_back({VeldKop(m_huidigVeld) + GeenWedstrijd, {}});
    }
    VolgendVeld();
}

void TSchemaBouwer::NaBoeking(int p, int q)
{
    // Progress only grows. A cross match moves both poules of the pair, so both are taken out
    // before either is put back at its place among the others.
    const int geboekt[] = {p, q};
    for (const int poule : geboekt) {
        if (poule < 0)
            continue;
        if (m_ongeschiktInRonde[std::size_t(poule)] == m_huidigeRonde)
            --m_ongeschiktAantal;
        m_ongeschiktInRonde[std::size_t(poule)] = 0;
        const auto plek = std::find(m_volgorde.begin(), m_volgorde.end(), poule);
        if (plek != m_volgorde.end())
            m_volgorde.erase(plek);
    }
    for (const int poule : geboekt) {
        if (poule < 0 || m_generator->Poule(poule).Fase == 4)
            continue;
        const auto nieuw = std::lower_bound(m_volgorde.begin(), m_volgorde.end(), poule,
                                            [this](int x, int y) { return Voor(x, y); });
        m_volgorde.insert(nieuw, poule);
    }
}

void TSchemaBouwer::FinaleNaarVeld1(TSchemaBoom& boom)
{
    // Head: the text before its first ":"; tail: from the first ":" on. The final takes the
    // first slot whatever the field table says of field 1 there.
    for (TSchemaRonde& ronde : boom.Ronden) {
        auto& velden = ronde.Velden;
        for (std::size_t i = 1; i < velden.size(); ++i) {
            if (!velden[i].Tekst.contains(Finale))
                continue;
            TSchemaVeld& eerste = velden.front();
            TSchemaVeld& bezocht = velden[i];
            const qsizetype dubbelePuntBezocht = bezocht.Tekst.indexOf(u':');
            const qsizetype dubbelePuntEerste = eerste.Tekst.indexOf(u':');
            const QString kopBezocht = bezocht.Tekst.left(dubbelePuntBezocht);
            const QString staartBezocht = bezocht.Tekst.mid(dubbelePuntBezocht);
            const QString staartEerste = eerste.Tekst.mid(dubbelePuntEerste);
            std::swap(eerste.Wedstrijd, bezocht.Wedstrijd);
            eerste.Tekst = QStringLiteral("Veld 1") + staartBezocht;
            bezocht.Tekst = kopBezocht + staartEerste;
        }
    }
}
