#include "core/model/ToernooiModel.h"

#include "core/model/Invoertekst.h"
#include "core/model/Tijdnotatie.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <tuple>

namespace {

const QString Geen = QStringLiteral("Geen");

bool TeamVoor(const std::unique_ptr<TTeamDetails>& a, const std::unique_ptr<TTeamDetails>& b)
{
    return QString::compare(a->TeamNaam, b->TeamNaam, Qt::CaseInsensitive) < 0;
}

// Who is in which poule, in order; used to tell whether a membership operation changed anything.
std::vector<std::vector<TTeamDetails*>> Indeling(const ToernooiModel::PouleLijstType& poules)
{
    std::vector<std::vector<TTeamDetails*>> indeling;
    indeling.reserve(poules.size());
    for (const auto& poule : poules)
        indeling.push_back(poule->Teams);
    return indeling;
}

} // namespace

ToernooiModel::ToernooiModel(QObject* parent) : QObject(parent)
{
    m_dagTijden = Tijdnotatie::StandaardDagDelen(m_aantalDelen, m_delenPerDag);
    PasVeldAantalToe();
}

ToernooiModel::~ToernooiModel() = default;

int ToernooiModel::TeamIndex(const TTeamDetails* team) const
{
    for (std::size_t i = 0; i < m_teams.size(); ++i) {
        if (m_teams[i].get() == team)
            return int(i);
    }
    return -1;
}

int ToernooiModel::PouleIndex(const TPouleDetails* poule) const
{
    for (std::size_t i = 0; i < m_poules.size(); ++i) {
        if (m_poules[i]->Details.get() == poule)
            return int(i);
    }
    return -1;
}

TPoule* ToernooiModel::PouleVanTeam(const TTeamDetails* team) const
{
    for (const auto& poule : m_poules) {
        for (const TTeamDetails* lid : poule->Teams) {
            if (lid->TeamNaam == team->TeamNaam)
                return poule.get();
        }
    }
    return nullptr;
}

TPouleDetails* ToernooiModel::ZoekPoule(const QString& naam) const
{
    for (const auto& poule : m_poules) {
        if (poule->Details->PouleNaam == naam)
            return poule->Details.get();
    }
    return nullptr;
}

int ToernooiModel::KruisPositie(const TPouleDetails* poule) const
{
    return poule ? PouleIndex(poule) + 1 : 0;
}

TPouleDetails* ToernooiModel::PouleOpKruisPositie(int positie) const
{
    return positie >= 1 && positie <= int(m_poules.size()) ? m_poules[std::size_t(positie - 1)]->Details.get()
                                                           : nullptr;
}

std::vector<int> ToernooiModel::PartnerIndexen(const PouleLijstType& poules)
{
    QHash<const TPouleDetails*, int> index;
    index.reserve(qsizetype(poules.size()));
    for (std::size_t i = 0; i < poules.size(); ++i)
        index.insert(poules[i]->Details.get(), int(i));
    std::vector<int> partners;
    partners.reserve(poules.size());
    for (const auto& poule : poules)
        partners.push_back(index.value(poule->Details->KruisPoule, -1));
    return partners;
}

QStringList ToernooiModel::KruisPouleLijst() const
{
    QStringList lijst;
    lijst.reserve(qsizetype(m_poules.size()) + 1);
    lijst.append(Geen);
    for (const auto& poule : m_poules)
        lijst.append(poule->Details->PouleNaam);
    return lijst;
}

QStringList ToernooiModel::TeamsInPoule() const
{
    // As PouleVanTeam for every team, in one walk over the tree: a name belongs to the first
    // poule (in tree order) that holds a team of that name.
    QHash<QString, const TPoule*> pouleVanNaam;
    pouleVanNaam.reserve(qsizetype(m_teams.size()));
    for (const auto& poule : m_poules) {
        for (const TTeamDetails* lid : poule->Teams) {
            if (!pouleVanNaam.contains(lid->TeamNaam))
                pouleVanNaam.insert(lid->TeamNaam, poule.get());
        }
    }
    QStringList rijen;
    rijen.reserve(qsizetype(m_teams.size()));
    for (const auto& team : m_teams) {
        const TPoule* poule = pouleVanNaam.value(team->TeamNaam, nullptr);
        rijen.append(poule ? poule->Details->PouleNaam : QString());
    }
    return rijen;
}

TToevoegUitkomst<TTeamDetails> ToernooiModel::VoegTeamToe(const QString& getypt)
{
    Noem(u"team toevoegen");
    const QString naam = Invoertekst::ZonderStuurtekens(getypt);
    TToevoegUitkomst<TTeamDetails> uitkomst;
    for (const auto& team : m_teams) {
        if (QString::compare(team->TeamNaam, naam, Qt::CaseInsensitive) == 0) {
            uitkomst.Fout = QStringLiteral("Team naam bestaat al.");
            return uitkomst;
        }
    }
    if (naam.isEmpty())
        return uitkomst;

    auto team = std::make_unique<TTeamDetails>(naam);
    uitkomst.Nieuw = team.get();
    const auto plek = std::upper_bound(m_teams.begin(), m_teams.end(), team, TeamVoor);
    m_teams.insert(plek, std::move(team));
    MaakGewijzigd();
    emit teamsVeranderd();
    return uitkomst;
}

QList<TTeamDetails*> ToernooiModel::VoegTeamsToe(const QList<const TTeamDetails*>& teams)
{
    Noem(u"teams importeren");
    QSet<QString> namen;
    namen.reserve(qsizetype(m_teams.size()) + teams.size());
    for (const auto& team : m_teams)
        namen.insert(team->TeamNaam.toCaseFolded());
    QList<TTeamDetails*> nieuw;
    nieuw.reserve(teams.size());
    const auto bestaand = std::ptrdiff_t(m_teams.size());
    m_teams.reserve(m_teams.size() + std::size_t(teams.size()));
    for (const TTeamDetails* gegeven : teams) {
        const TTeamDetails& waarden = *gegeven;
        const QString naam = Invoertekst::ZonderStuurtekens(waarden.TeamNaam);
        if (naam.isEmpty() || namen.contains(naam.toCaseFolded())) {
            nieuw.append(nullptr);
            continue;
        }
        namen.insert(naam.toCaseFolded());
        auto team = std::make_unique<TTeamDetails>(naam);
        for (const auto veld : TeamVelden)
            (*team).*veld = Invoertekst::ZonderStuurtekens(waarden.*veld);
        nieuw.append(team.get());
        m_teams.push_back(std::move(team));
    }
    if (std::ptrdiff_t(m_teams.size()) == bestaand)
        return nieuw;
    // The same order as adding them one by one: each after the equal names already there.
    std::stable_sort(m_teams.begin() + bestaand, m_teams.end(), TeamVoor);
    std::inplace_merge(m_teams.begin(), m_teams.begin() + bestaand, m_teams.end(), TeamVoor);
    MaakGewijzigd();
    emit teamsVeranderd();
    return nieuw;
}

void ToernooiModel::VoegPoulesToe(const QStringList& namen)
{
    Noem(u"teams importeren");
    QSet<QString> inBoom;
    for (const auto& poule : m_poules) {
        inBoom.insert(poule->Details->PouleNaam);
        for (const TTeamDetails* team : poule->Teams)
            inBoom.insert(team->TeamNaam);
    }
    const std::size_t bestaand = m_poules.size();
    for (const QString& getypt : namen) {
        const QString naam = Invoertekst::ZonderStuurtekens(getypt);
        if (naam.isEmpty() || inBoom.contains(naam))
            continue;
        inBoom.insert(naam);
        m_poules.push_back(std::make_unique<TPoule>(naam));
    }
    if (m_poules.size() == bestaand)
        return;
    MaakGewijzigd();
    emit poulesVeranderd();
}

void ToernooiModel::VoegToeAanPoules(const QList<std::pair<TTeamDetails*, TPouleDetails*>>& plaatsing)
{
    Noem(u"teams importeren");
    QHash<const TPouleDetails*, TPoule*> poules;
    QSet<const TTeamDetails*> geplaatst;
    for (const auto& poule : m_poules) {
        poules.insert(poule->Details.get(), poule.get());
        for (const TTeamDetails* team : poule->Teams)
            geplaatst.insert(team);
    }
    bool anders = false;
    for (const auto& [team, details] : plaatsing) {
        TPoule* poule = poules.value(details);
        if (!team || !poule || geplaatst.contains(team))
            continue;
        geplaatst.insert(team);
        poule->Teams.push_back(team);
        anders = true;
    }
    if (!anders)
        return;
    MaakGewijzigd();
    emit poulesVeranderd();
}

bool ToernooiModel::NaamInBoom(const QString& naam) const
{
    for (const auto& poule : m_poules) {
        if (poule->Details->PouleNaam == naam)
            return true;
        for (const TTeamDetails* team : poule->Teams) {
            if (team->TeamNaam == naam)
                return true;
        }
    }
    return false;
}

TToevoegUitkomst<TPouleDetails> ToernooiModel::VoegPouleToe(const QString& getypt)
{
    Noem(u"poule toevoegen");
    const QString naam = Invoertekst::ZonderStuurtekens(getypt);
    TToevoegUitkomst<TPouleDetails> uitkomst;
    if (NaamInBoom(naam)) {
        uitkomst.Fout = QStringLiteral("Poule naam bestaat al.");
        return uitkomst;
    }
    if (naam.isEmpty())
        return uitkomst;

    m_poules.push_back(std::make_unique<TPoule>(naam));
    uitkomst.Nieuw = m_poules.back()->Details.get();
    MaakGewijzigd();
    emit poulesVeranderd();
    return uitkomst;
}

void ToernooiModel::VerwijderTeamUitBoom(const TTeamDetails* team)
{
    const QString naam = team->TeamNaam;
    for (auto& poule : m_poules) {
        std::erase_if(poule->Teams, [&naam](const TTeamDetails* lid) { return lid->TeamNaam == naam; });
    }
}

void ToernooiModel::VerwijderTeams(const QList<TTeamDetails*>& teams)
{
    Noem(u"teams verwijderen");
    // Last to first in list order, as the selection is walked.
    QList<TTeamDetails*> teVerwijderen = teams;
    std::sort(teVerwijderen.begin(), teVerwijderen.end(),
              [this](const TTeamDetails* a, const TTeamDetails* b) { return TeamIndex(a) > TeamIndex(b); });
    bool iets = false;
    for (TTeamDetails* team : std::as_const(teVerwijderen)) {
        const int index = TeamIndex(team);
        if (index < 0)
            continue;
        VerwijderTeamUitBoom(team);
        Bewaar(std::move(m_teams[std::size_t(index)]));
        m_teams.erase(m_teams.begin() + index);
        iets = true;
    }
    if (!iets)
        return;
    MaakGewijzigd();
    emit poulesVeranderd();
    emit teamsVeranderd();
}

void ToernooiModel::VerwijderPoule(int pouleIndex)
{
    Noem(u"poule verwijderen");
    if (pouleIndex < 0 || pouleIndex >= int(m_poules.size()))
        return;
    // Whoever was linked to the removed poule has no partner any more.
    const TPouleDetails* weg = m_poules[std::size_t(pouleIndex)]->Details.get();
    for (auto& poule : m_poules) {
        if (poule->Details->KruisPoule == weg)
            poule->Details->KruisPoule = nullptr;
    }
    Bewaar(std::move(m_poules[std::size_t(pouleIndex)]));
    m_poules.erase(m_poules.begin() + pouleIndex);
    MaakGewijzigd();
    emit poulesVeranderd();
}

void ToernooiModel::VerwijderTeamUitPoule(int pouleIndex, int teamIndex)
{
    Noem(u"team uit poule halen");
    if (pouleIndex < 0 || pouleIndex >= int(m_poules.size()))
        return;
    auto& teams = m_poules[std::size_t(pouleIndex)]->Teams;
    if (teamIndex < 0 || teamIndex >= int(teams.size()))
        return;
    teams.erase(teams.begin() + teamIndex);
    MaakGewijzigd();
    emit poulesVeranderd();
}

void ToernooiModel::HaalTeamsUitPoule(int pouleIndex)
{
    Noem(u"poule leegmaken");
    if (pouleIndex < 0 || pouleIndex >= int(m_poules.size()))
        return;
    auto& teams = m_poules[std::size_t(pouleIndex)]->Teams;
    if (teams.empty())
        return;
    teams.clear();
    MaakGewijzigd();
    emit poulesVeranderd();
}

void ToernooiModel::ZetTeamsInPoule(int pouleIndex, const QList<TTeamDetails*>& teams)
{
    Noem(u"teams in poule zetten");
    if (pouleIndex < 0 || pouleIndex >= int(m_poules.size()))
        return;
    const auto voor = Indeling(m_poules);
    for (const TTeamDetails* team : teams)
        VerwijderTeamUitBoom(team);
    auto& doel = m_poules[std::size_t(pouleIndex)]->Teams;
    for (TTeamDetails* team : teams) {
        if (std::find(doel.begin(), doel.end(), team) == doel.end())
            doel.push_back(team);
    }
    if (Indeling(m_poules) == voor)
        return;
    MaakGewijzigd();
    emit poulesVeranderd();
}

void ToernooiModel::SorteerTeams()
{
    std::stable_sort(m_teams.begin(), m_teams.end(), TeamVoor);
}

void ToernooiModel::VervangPoulesEnTeams(PouleLijstType poules, TeamLijstType teams)
{
    for (auto& poule : m_poules)
        Bewaar(std::move(poule));
    for (auto& team : m_teams)
        Bewaar(std::move(team));
    m_poules = std::move(poules);
    m_teams = std::move(teams);
    SorteerTeams();
    emit poulesVeranderd();
    emit teamsVeranderd();
    emit vervangen();
}

void ToernooiModel::LeegPoulesEnTeams()
{
    // Kept aside, not destroyed: a built schedule or an earlier state may still name them.
    for (auto& poule : m_poules)
        Bewaar(std::move(poule));
    for (auto& team : m_teams)
        Bewaar(std::move(team));
    m_poules.clear();
    m_teams.clear();
    // The results, the kept schedule and the referees name the teams and poules that are gone.
    m_uitslagen = TUitslagen{};
    m_schemaIndeling = TSchemaIndeling{};
    const bool uitgelopen = !m_uitloop.isEmpty();
    m_uitloop.clear();
    if (uitgelopen) {
        VulRondeKoppen();
        emit uitloopVeranderd();
    }
    m_scheidsrechters = TScheidsrechters{};
    emit poulesVeranderd();
    emit teamsVeranderd();
    emit uitslagenVeranderd();
    emit schemaIndelingVeranderd();
    emit scheidsrechtersVeranderd();
    emit vervangen();
}

void ToernooiModel::ZetUitslagen(TUitslagen uitslagen, QStringView naam)
{
    Noem(naam);
    if (uitslagen == m_uitslagen)
        return;
    m_uitslagen = std::move(uitslagen);
    MaakGewijzigd();
    emit uitslagenVeranderd();
}

void ToernooiModel::ZetSchemaIndeling(TSchemaIndeling indeling, QStringView naam)
{
    Noem(naam);
    if (indeling == m_schemaIndeling)
        return;
    m_schemaIndeling = std::move(indeling);
    MaakGewijzigd();
    emit schemaIndelingVeranderd();
}

bool ToernooiModel::ZetUitloop(int ronde, int minuten)
{
    Noem(u"uitloop");
    if (ronde < 1 || ronde > MaxUitloopRonde || minuten < 0 || minuten > MaxUitloopMinuten)
        return false;
    TUitloop uitloop = m_uitloop;
    auto plek = std::find_if(uitloop.begin(), uitloop.end(),
                             [ronde](const TUitloopRegel& regel) { return regel.Ronde >= ronde; });
    if (plek != uitloop.end() && plek->Ronde == ronde) {
        if (minuten == 0)
            uitloop.erase(plek);
        else
            plek->Minuten = minuten;
    } else if (minuten > 0) {
        uitloop.insert(plek, TUitloopRegel{ronde, minuten});
    }
    ZetUitloopLijst(uitloop);
    return true;
}

void ToernooiModel::ZetUitloopLijst(const TUitloop& uitloop)
{
    Noem(u"uitloop");
    TUitloop geldig;
    for (const TUitloopRegel& regel : uitloop) {
        const bool inBereik = regel.Ronde >= 1 && regel.Ronde <= MaxUitloopRonde
                              && regel.Minuten >= 1 && regel.Minuten <= MaxUitloopMinuten;
        if (inBereik && (geldig.isEmpty() || geldig.last().Ronde < regel.Ronde))
            geldig.append(regel);
    }
    if (geldig == m_uitloop)
        return;
    m_uitloop = std::move(geldig);
    MaakGewijzigd();
    emit instellingenVeranderd();
    VulRondeKoppen();
    emit uitloopVeranderd();
}

void ToernooiModel::ZetScheidsrechters(TScheidsrechters scheidsrechters, QStringView naam)
{
    Noem(naam);
    SorteerToewijzingen(scheidsrechters.Toewijzingen);
    if (scheidsrechters == m_scheidsrechters)
        return;
    m_scheidsrechters = std::move(scheidsrechters);
    MaakGewijzigd();
    emit scheidsrechtersVeranderd();
}

void ToernooiModel::ZetTeamDetails(TTeamDetails* team, const TTeamDetails& waarden)
{
    Noem(u"teamgegevens wijzigen", true);
    if (!team)
        return;
    bool anders = false;
    auto zet = [&anders](QString& veld, const QString& getypt) {
        const QString waarde = Invoertekst::ZonderStuurtekens(getypt);
        if (veld != waarde) {
            veld = waarde;
            anders = true;
        }
    };
    zet(team->ClubNaam, waarden.ClubNaam);
    zet(team->ClubAdres, waarden.ClubAdres);
    zet(team->ClubPostcodePlaats, waarden.ClubPostcodePlaats);
    zet(team->ClubTelefoon, waarden.ClubTelefoon);
    zet(team->ClubFax, waarden.ClubFax);
    zet(team->BegeleiderNaam, waarden.BegeleiderNaam);
    zet(team->BegeleiderAdres, waarden.BegeleiderAdres);
    zet(team->BegeleiderPostcodePlaats, waarden.BegeleiderPostcodePlaats);
    zet(team->BegeleiderTelefoon, waarden.BegeleiderTelefoon);
    zet(team->BegeleiderFax, waarden.BegeleiderFax);
    if (anders)
        MaakGewijzigd();
}

void ToernooiModel::ZetPouleDetails(TPouleDetails* poule, TCompetitieType competitie,
                                    TPouleDetails* kruisPoule, TKruisPouleCompetitieType kruisType,
                                    int minimaleRust)
{
    Noem(u"poule wijzigen");
    if (!poule)
        return;
    const int rust = std::clamp(minimaleRust, MinMinimaleRust, MaxMinimaleRust);
    if (poule->CompetitieType == competitie && poule->KruisPoule == kruisPoule
        && poule->KruisPouleCompetitieType == kruisType && poule->MinimaleRust == rust)
        return;
    poule->CompetitieType = competitie;
    poule->KruisPoule = kruisPoule;
    poule->KruisPouleCompetitieType = kruisType;
    poule->MinimaleRust = rust;
    MaakGewijzigd();
    emit poulesVeranderd();
}

TPouleDetails* ToernooiModel::ZoekKruisKeuze(int keuze) const
{
    // Position 0 is "Geen"; a poule named so is found by name like any other.
    const QStringList lijst = KruisPouleLijst();
    return keuze >= 0 && keuze < lijst.size() ? ZoekPoule(lijst.at(keuze)) : nullptr;
}

int ToernooiModel::KiesKruisPoule(TPouleDetails* getoond, int keuze, bool verbreekBestaande)
{
    Noem(u"kruispoule kiezen");
    MaakGewijzigd();
    if (!getoond || keuze < 0 || keuze > int(m_poules.size()))
        return keuze;
    TPouleDetails* gekozen = ZoekKruisKeuze(keuze);
    if (!gekozen)
        return keuze;

    if (TPouleDetails* oudePartner = gekozen->KruisPoule) {
        if (!verbreekBestaande)
            return keuze;
        oudePartner->KruisPoule = nullptr;
    }

    int getoondeKeuze = keuze;
    gekozen->KruisPoule = nullptr;
    if (gekozen->PouleNaam == getoond->PouleNaam) {
        getoondeKeuze = 0;
    } else {
        // The shown poule as the list names it: the first poule of its name, letter case
        // ignored.
        for (const auto& poule : m_poules) {
            if (QString::compare(poule->Details->PouleNaam, getoond->PouleNaam, Qt::CaseInsensitive) == 0) {
                gekozen->KruisPoule = poule->Details.get();
                break;
            }
        }
    }
    gekozen->KruisPouleCompetitieType = getoond->KruisPouleCompetitieType;
    emit poulesVeranderd();
    return getoondeKeuze;
}

void ToernooiModel::ZetKruisPouleTypeVanPartner(int keuze, TKruisPouleCompetitieType type)
{
    Noem(u"kruispoule kiezen");
    TPouleDetails* partner = ZoekKruisKeuze(keuze);
    if (!partner || partner->KruisPouleCompetitieType == type)
        return;
    partner->KruisPouleCompetitieType = type;
    MaakGewijzigd();
    emit poulesVeranderd();
}

void ToernooiModel::ZetToernooiNaam(const QString& naam)
{
    Noem(u"toernooinaam wijzigen", true);
    Zet(m_toernooiNaam, naam, &ToernooiModel::instellingenVeranderd);
}

void ToernooiModel::ZetStartDatum(const QString& datum)
{
    Noem(u"startdatum wijzigen", true);
    Zet(m_startDatum, datum, &ToernooiModel::instellingenVeranderd);
}

void ToernooiModel::HerstelDagDelen()
{
    m_dagTijden = Tijdnotatie::StandaardDagDelen(m_aantalDelen, m_delenPerDag);
    VulRondeKoppen();
}

void ToernooiModel::ZetAantalDelen(int aantal)
{
    Noem(u"dagdelen wijzigen");
    Zet(m_aantalDelen, std::clamp(aantal, MinAantalDelen, MaxAantalDelen),
        &ToernooiModel::instellingenVeranderd, [this] { HerstelDagDelen(); });
}

void ToernooiModel::ZetAantalDelenPerDag(int aantal)
{
    Noem(u"dagdelen wijzigen");
    Zet(m_delenPerDag, std::clamp(aantal, MinDelenPerDag, MaxDelenPerDag),
        &ToernooiModel::instellingenVeranderd, [this] { HerstelDagDelen(); });
}

void ToernooiModel::ZetDagTijd(int rij, int kolom, const QString& tijd)
{
    Noem(u"tijd wijzigen");
    if (rij < 1 || rij > m_dagTijden.size() || (kolom != 1 && kolom != 2))
        return;
    const QString genormaliseerd = Tijdnotatie::NormaliseerTijd(tijd);
    TDagDeel& deel = m_dagTijden[rij - 1];
    QString& veld = kolom == 1 ? deel.Begin : deel.Eind;
    Zet(veld, genormaliseerd, &ToernooiModel::instellingenVeranderd, [this] { VulRondeKoppen(); });
}

void ToernooiModel::ZetDagDelen(const TDagTijden& delen)
{
    Noem(u"dagdelen wijzigen");
    if (delen.isEmpty())
        return;
    TDagTijden nieuw;
    nieuw.reserve(delen.size());
    for (const TDagDeel& deel : delen)
        nieuw.append(TDagDeel{Tijdnotatie::NormaliseerTijd(deel.Begin),
                              Tijdnotatie::NormaliseerTijd(deel.Eind)});
    Zet(m_dagTijden, std::move(nieuw), &ToernooiModel::instellingenVeranderd,
        [this] { VulRondeKoppen(); });
}

void ToernooiModel::ZetLettertypen(const TLettertypen& lettertypen)
{
    Noem(u"lettertypen wijzigen");
    Zet(m_lettertypen, lettertypen, &ToernooiModel::lettertypenVeranderd);
}

void ToernooiModel::ZetGewoneVelden(int aantal)
{
    Noem(u"velden wijzigen");
    if (aantal == m_gewoneVelden)
        return;
    int speciaal = m_specialeVelden;
    if (speciaal == 0 && aantal == 0)
        speciaal = 1;
    const int gewoon = std::clamp(aantal, MinGewoneVelden, MaxGewoneVelden);
    Zet(std::tie(m_gewoneVelden, m_specialeVelden), std::tuple(gewoon, speciaal),
        &ToernooiModel::instellingenVeranderd, [this] { PasVeldAantalToe(); });
}

void ToernooiModel::ZetSpecialeVelden(int aantal)
{
    Noem(u"velden wijzigen");
    if (aantal == m_specialeVelden)
        return;
    Zet(m_specialeVelden, std::clamp(aantal, MinSpecialeVelden, MaxSpecialeVelden),
        &ToernooiModel::instellingenVeranderd, [this] { PasVeldAantalToe(); });
}

void ToernooiModel::ZetDuurWedstrijd(int minuten)
{
    Noem(u"wedstrijdduur wijzigen");
    Zet(m_duur, std::clamp(minuten, MinMinuten, MaxMinuten), &ToernooiModel::instellingenVeranderd,
        [this] { VulRondeKoppen(); });
}

void ToernooiModel::ZetPauze(int minuten)
{
    Noem(u"pauze wijzigen");
    Zet(m_pauze, std::clamp(minuten, MinMinuten, MaxMinuten), &ToernooiModel::instellingenVeranderd,
        [this] { VulRondeKoppen(); });
}

void ToernooiModel::VulRondeKoppen()
{
    // The day parts are always normalised when they enter the model, so they always read.
    m_velden.VulRondeKoppen(&m_dagTijden, m_duur, m_pauze, m_delenPerDag, m_uitloop);
    emit rondenVeranderd();
}

void ToernooiModel::PasVeldAantalToe()
{
    m_velden.ZetKolomAantal(AantalVelden() + 1);
    emit veldGebruikVeranderd();
}

void ToernooiModel::WisselVeld(int kolom, int rij)
{
    Noem(u"veldgebruik wijzigen");
    if (!m_velden.Wissel(kolom, rij))
        return;
    MaakGewijzigd();
    emit veldGebruikVeranderd();
}

void ToernooiModel::ResetAlleVelden()
{
    Noem(u"veldgebruik herstellen");
    m_velden.ResetAlleVelden();
    emit veldGebruikVeranderd();
}

void ToernooiModel::ResetAlleCellen()
{
    Noem(u"veldgebruik herstellen");
    m_velden.ResetAlleCellen();
    emit veldGebruikVeranderd();
}

void ToernooiModel::ZetVeldBeschikbaar(int veld, int ronde, bool beschikbaar)
{
    Noem(u"veldgebruik wijzigen");
    m_velden.ZetBeschikbaar(veld, ronde, beschikbaar);
    emit veldGebruikVeranderd();
}

void ToernooiModel::ZetGewijzigd(bool gewijzigd)
{
    if (m_gewijzigd == gewijzigd)
        return;
    m_gewijzigd = gewijzigd;
    emit gewijzigdVeranderd(gewijzigd);
}
