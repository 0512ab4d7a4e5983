#include "ui/indeling/IndelingBediening.h"

#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"
#include "ui/indeling/DetailsBediening.h"
#include "ui/indeling/PouleGroep.h"
#include "ui/indeling/PouleLijstBoom.h"
#include "ui/indeling/TeamGroep.h"
#include "ui/indeling/TeamLijstLijst.h"

#include <QPushButton>

IndelingBediening::IndelingBediening(ToernooiModel& model, TVraagsteller& vraagsteller,
                                     PouleGroep& poules, TeamGroep& teams,
                                     DetailsBediening& details, QObject* parent)
    : QObject(parent), m_model(model), m_vraagsteller(vraagsteller), m_poules(poules),
      m_teams(teams), m_details(details)
{
    connect(m_teams.TeamToevoegen(), &QPushButton::clicked, this, &IndelingBediening::TeamToevoegenClick);
    connect(m_teams.TeamVerwijderen(), &QPushButton::clicked, this,
            &IndelingBediening::TeamVerwijderenClick);
    connect(m_poules.PouleToevoegen(), &QPushButton::clicked, this,
            &IndelingBediening::PouleToevoegenClick);
    connect(m_poules.PouleVerwijderen(), &QPushButton::clicked, this,
            &IndelingBediening::PouleVerwijderenClick);
    connect(m_poules.SpeedButton1(), &QPushButton::clicked, this, &IndelingBediening::SpeedButton1Click);
    connect(m_poules.SpeedButton2(), &QPushButton::clicked, this, &IndelingBediening::SpeedButton2Click);
    connect(m_poules.PouleLijst(), &PouleLijstBoom::teamsGevallen, this,
            &IndelingBediening::PouleLijstDragDrop);
    connect(m_poules.PouleLijst(), &QTreeWidget::itemSelectionChanged, &m_details,
            &DetailsBediening::PouleLijstChange);
    connect(m_teams.TeamLijst(), &QListWidget::currentItemChanged, &m_details,
            &DetailsBediening::TeamLijstClick);
    connect(&m_model, &ToernooiModel::poulesVeranderd, this, &IndelingBediening::PoulesVeranderd);
    connect(&m_model, &ToernooiModel::teamsVeranderd, this, &IndelingBediening::TeamsVeranderd);
    VulLijsten();
}

void IndelingBediening::VulLijsten()
{
    m_teams.TeamLijst()->Vul();
    m_poules.PouleLijst()->Vul();
    m_teams.VulTeamsInPoule();
    WerkAantallenBij();
}

void IndelingBediening::Vernieuw()
{
    VulLijsten();
    ToonAantallen();
}

void IndelingBediening::PoulesVeranderd()
{
    m_poules.PouleLijst()->Vul();
    m_teams.VulTeamsInPoule();
    WerkAantallenBij();
    // The refill may have moved the selection to a neighbour of a removed entry.
    m_details.PouleLijstChange();
}

void IndelingBediening::TeamsVeranderd()
{
    m_teams.TeamLijst()->Vul();
    m_teams.VulTeamsInPoule();
    WerkAantallenBij();
}

void IndelingBediening::ToonAantallen()
{
    m_aantallenGetoond = true;
    WerkAantallenBij();
}

void IndelingBediening::WerkAantallenBij()
{
    // Until the first count is due the groups keep their plain captions.
    if (!m_aantallenGetoond)
        return;
    m_teams.setTitle(TeamAantalTekst(m_model));
    m_poules.setTitle(PouleAantalTekst(m_model));
}

QString IndelingBediening::TeamAantalTekst(const ToernooiModel& model)
{
    const auto aantal = model.TeamLijst().size();
    return QString::number(aantal) + (aantal == 1 ? QStringLiteral(" Team") : QStringLiteral(" Teams"));
}

QString IndelingBediening::PouleAantalTekst(const ToernooiModel& model)
{
    std::size_t ingedeeld = 0;
    for (const auto& poule : model.PouleLijst())
        ingedeeld += poule->Teams.size();
    const auto aantal = model.PouleLijst().size();
    return QStringLiteral("Poule indeling (") + QString::number(aantal)
           + (aantal == 1 ? QStringLiteral(" Poule, ") : QStringLiteral(" Poules, "))
           + QString::number(ingedeeld) + QStringLiteral(" teams ingedeeld)");
}

void IndelingBediening::TeamToevoegenClick()
{
    const auto uitkomst = m_model.VoegTeamToe(m_vraagsteller.VraagNaam());
    if (!uitkomst.Fout.isEmpty())
        m_vraagsteller.Melding(QStringLiteral("Fout"), uitkomst.Fout);
    ToonAantallen();
}

void IndelingBediening::TeamVerwijderenClick()
{
    if (m_vraagsteller.VraagJaNee(QStringLiteral("Zeker weten?"),
                                  QStringLiteral("Weet U zeker dat U dit team wilt verwijderen?")))
        m_model.VerwijderTeams(m_teams.TeamLijst()->GeselecteerdeTeams());
    ToonAantallen();
}

void IndelingBediening::PouleToevoegenClick()
{
    const auto uitkomst = m_model.VoegPouleToe(m_vraagsteller.VraagNaam());
    if (!uitkomst.Fout.isEmpty())
        m_vraagsteller.Melding(QStringLiteral("Fout"), uitkomst.Fout);
    else if (uitkomst.Nieuw)
        m_poules.PouleLijst()->Selecteer({m_model.PouleIndex(uitkomst.Nieuw), -1});
    ToonAantallen();
}

void IndelingBediening::PouleVerwijderenClick()
{
    const PouleLijstBoom::Plek plek = m_poules.PouleLijst()->GeselecteerdePlek();
    if (plek.Poule >= 0 && plek.Team >= 0) {
        m_model.VerwijderTeamUitPoule(plek.Poule, plek.Team);
    } else if (plek.Poule >= 0) {
        // The shown poule's choices go into its record first, so the renumbering of the
        // links applies to what the organiser sees.
        m_details.BewaarPouleDetails();
        m_model.VerwijderPoule(plek.Poule);
    }
    ToonAantallen();
}

void IndelingBediening::SpeedButton1Click()
{
    const PouleLijstBoom::Plek plek = m_poules.PouleLijst()->GeselecteerdePlek();
    if (plek.Poule >= 0)
        m_model.ZetTeamsInPoule(plek.Poule, m_teams.TeamLijst()->GeselecteerdeTeams());
    ToonAantallen();
}

void IndelingBediening::SpeedButton2Click()
{
    const PouleLijstBoom::Plek plek = m_poules.PouleLijst()->GeselecteerdePlek();
    if (plek.Poule >= 0 && plek.Team >= 0)
        m_model.VerwijderTeamUitPoule(plek.Poule, plek.Team);
    else if (plek.Poule >= 0)
        m_model.HaalTeamsUitPoule(plek.Poule);
    ToonAantallen();
}

void IndelingBediening::PouleLijstDragDrop(int pouleIndex, const QStringList& namen)
{
    if (pouleIndex >= 0) {
        QList<TTeamDetails*> teams;
        for (const auto& team : m_model.TeamLijst()) {
            if (namen.contains(team->TeamNaam))
                teams.append(team.get());
        }
        m_model.ZetTeamsInPoule(pouleIndex, teams);
    }
    ToonAantallen();
}
