#include "ui/indeling/DetailsBediening.h"

#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"
#include "ui/indeling/PouleDetailsTab.h"
#include "ui/indeling/PouleLijstBoom.h"
#include "ui/indeling/TeamDetailsTab.h"
#include "ui/indeling/TeamLijstLijst.h"

DetailsBediening::DetailsBediening(ToernooiModel& model, TVraagsteller& vraagsteller,
                                   TeamLijstLijst& teamLijst, PouleLijstBoom& pouleLijst,
                                   TeamDetailsTab& teamTab, PouleDetailsTab& pouleTab,
                                   QObject* parent)
    : QObject(parent), m_model(model), m_vraagsteller(vraagsteller), m_teamLijst(teamLijst),
      m_pouleLijst(pouleLijst), m_teamTab(teamTab), m_pouleTab(pouleTab)
{
    connect(&m_teamTab, &TeamDetailsTab::getypt, this, &DetailsBediening::TabGetypt);
    connect(&m_pouleTab, &PouleDetailsTab::getypt, this, &DetailsBediening::TabGetypt);
    connect(&m_pouleTab, &PouleDetailsTab::kruisPouleGekozen, this,
            &DetailsBediening::KruisPouleChange);
    connect(&m_pouleTab, &PouleDetailsTab::kruisTypeGekozen, this,
            &DetailsBediening::KruisPouleCompetitieTypeClick);
    connect(&m_model, &ToernooiModel::poulesVeranderd, this, &DetailsBediening::PartnerLijstVeranderd);
    connect(&m_model, &ToernooiModel::teamsVeranderd, this, &DetailsBediening::RecordVerdwenen);
    m_partnerLijst = m_model.KruisPouleLijst();
    m_pouleTab.ZetPartnerLijst(m_partnerLijst);
}

void DetailsBediening::BewaarTeamDetails(TTeamDetails* team)
{
    // A team just removed keeps nothing of the tab.
    if (team && m_model.TeamIndex(team) >= 0)
        m_model.ZetTeamDetails(team, m_teamTab.Waarden());
}

void DetailsBediening::ToonTeamDetails()
{
    if (const TTeamDetails* team = m_huidigTeam)
        m_teamTab.Toon(*team);
    else
        m_teamTab.Leeg();
}

void DetailsBediening::BewaarPouleDetails()
{
    BewaarPouleDetails(m_huidigePoule);
}

void DetailsBediening::BewaarPouleDetails(TPouleDetails* poule)
{
    if (!poule || m_model.PouleIndex(poule) < 0)
        return;
    const PouleDetailsTab::Waarden tab = m_pouleTab.Lees();
    m_model.ZetPouleDetails(poule, tab.CompetitieType, m_model.PouleOpKruisPositie(tab.KruisPoule),
                            tab.KruisPouleCompetitieType, tab.MinimaleRust);
}

void DetailsBediening::ToonPouleDetails()
{
    if (const TPouleDetails* poule = m_huidigePoule)
        m_pouleTab.Toon(*poule, m_model.KruisPositie(poule->KruisPoule));
    else
        m_pouleTab.Leeg();
}

void DetailsBediening::TeamLijstClick()
{
    TTeamDetails* nieuw = m_teamLijst.FocusTeam();
    TTeamDetails* vorig = m_huidigTeam;
    if (nieuw == vorig)
        return;
    // The new record is current before the old one is written, so that the model's change
    // signals find the tab already on its way to the new record.
    m_huidigTeam = nieuw;
    BewaarTeamDetails(vorig);
    ToonTeamDetails();
}

void DetailsBediening::PouleLijstChange()
{
    const PouleLijstBoom::Plek plek = m_pouleLijst.GeselecteerdePlek();
    // A team entry keeps the tab on the poule it showed.
    if (plek.Team >= 0)
        return;
    TPouleDetails* nieuw = plek.Poule >= 0 ? m_model.PouleLijst()[std::size_t(plek.Poule)]->Details.get()
                                           : nullptr;
    TPouleDetails* vorig = m_huidigePoule;
    if (nieuw == vorig)
        return;
    m_huidigePoule = nieuw;
    // Written also when the selection becomes empty, so nothing typed is lost.
    BewaarPouleDetails(vorig);
    ToonPouleDetails();
}

void DetailsBediening::BewaarDetails()
{
    TTeamDetails* vorigTeam = m_huidigTeam;
    m_huidigTeam = m_teamLijst.FocusTeam();
    BewaarTeamDetails(vorigTeam);
    ToonTeamDetails();

    // The poule of a selected team entry counts as the selected poule here.
    const PouleLijstBoom::Plek plek = m_pouleLijst.GeselecteerdePlek();
    TPouleDetails* poule = plek.Poule >= 0 ? m_model.PouleLijst()[std::size_t(plek.Poule)]->Details.get()
                                           : nullptr;
    TPouleDetails* vorigePoule = m_huidigePoule;
    m_huidigePoule = poule;
    BewaarPouleDetails(vorigePoule);
    ToonPouleDetails();
}

void DetailsBediening::ToonHuidige()
{
    // After a load the tabs show what the lists select, without writing anything.
    m_huidigTeam = m_teamLijst.FocusTeam();
    const PouleLijstBoom::Plek plek = m_pouleLijst.GeselecteerdePlek();
    m_huidigePoule = plek.Poule >= 0 ? m_model.PouleLijst()[std::size_t(plek.Poule)]->Details.get()
                                     : nullptr;
    ToonTeamDetails();
    ToonPouleDetails();
}

void DetailsBediening::LeegAlles()
{
    m_huidigTeam = nullptr;
    m_teamTab.Leeg();
    m_huidigePoule = nullptr;
    m_pouleTab.Leeg();
}

void DetailsBediening::TabGetypt()
{
    const TTeamDetails* team = m_huidigTeam;
    TPouleDetails* poule = m_huidigePoule;
    const auto wijkt = [this](const TPouleDetails& p) {
        return m_pouleTab.Wijkt(p, m_model.KruisPositie(p.KruisPoule));
    };
    if (poule && wijkt(*poule)) {
        // What decides the schedule (competition, rest, kind of cross matches) goes into the
        // record at once, so that the estimate on "Wedstrijd details" follows every change;
        // the partner itself is chosen through its own questions.
        const PouleDetailsTab::Waarden tab = m_pouleTab.Lees();
        m_model.ZetPouleDetails(poule, tab.CompetitieType, poule->KruisPoule,
                                tab.KruisPouleCompetitieType, tab.MinimaleRust);
    }
    if ((team && m_teamTab.Wijkt(*team)) || (poule && wijkt(*poule)))
        m_model.ZetGewijzigd(true);
}

QString DetailsBediening::KruisPouleVraag(const TPouleDetails* getoond, int keuze) const
{
    const TPouleDetails* gekozen = getoond ? m_model.ZoekKruisKeuze(keuze) : nullptr;
    if (!gekozen || !gekozen->KruisPoule)
        return {};
    return gekozen->PouleNaam + QStringLiteral(" is al verbonden met ") + gekozen->KruisPoule->PouleNaam
           + QStringLiteral(".\n\rMag deze link verbroken worden?");
}

void DetailsBediening::KruisPouleChange(int positie)
{
    TPouleDetails* getoond = m_huidigePoule;
    const QString vraag = KruisPouleVraag(getoond, positie);
    const bool verbreek = !vraag.isEmpty() && m_vraagsteller.VraagJaNee(QStringLiteral("Waarschuwing!"), vraag);
    m_pouleTab.ZetKruisPouleKeuze(m_model.KiesKruisPoule(getoond, positie, verbreek));
}

void DetailsBediening::KruisPouleCompetitieTypeClick(int positie)
{
    TabGetypt();
    m_model.ZetKruisPouleTypeVanPartner(m_pouleTab.KruisPouleKeuze(),
                                        positie == 0 ? TKruisPouleCompetitieType::EnkeleWedstrijden
                                                     : TKruisPouleCompetitieType::DubbeleWedstrijden);
}

void DetailsBediening::PartnerLijstVeranderd()
{
    // A poule removed (or taken back by an undo) is no longer shown.
    if (m_huidigePoule && m_model.PouleIndex(m_huidigePoule) < 0)
        m_huidigePoule = nullptr;
    if (!m_huidigePoule)
        m_pouleTab.Leeg();
    const QStringList lijst = m_model.KruisPouleLijst();
    if (lijst == m_partnerLijst)
        return;
    const bool korter = lijst.size() < m_partnerLijst.size();
    m_partnerLijst = lijst;
    m_pouleTab.ZetPartnerLijst(lijst);
    // Behind a removed poule the positions move up; the tab was written before the removal,
    // so the shown poule's record holds its choice.
    if (korter) {
        if (const TPouleDetails* poule = m_huidigePoule)
            m_pouleTab.ZetKruisPouleKeuze(m_model.KruisPositie(poule->KruisPoule));
    }
}

void DetailsBediening::RecordVerdwenen()
{
    if (m_huidigTeam && m_model.TeamIndex(m_huidigTeam) < 0)
        m_huidigTeam = nullptr;
    if (!m_huidigTeam)
        m_teamTab.Leeg();
}
