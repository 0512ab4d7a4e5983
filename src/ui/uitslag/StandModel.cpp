#include "ui/uitslag/StandModel.h"

#include "core/model/PouleTitel.h"
#include "core/model/TPoule.h"
#include "core/model/TPouleDetails.h"
#include "core/model/TTeamDetails.h"
#include "core/model/ToernooiModel.h"
#include "core/uitslag/TWedstrijdDag.h"

#include <QFont>

namespace {

const char* const Koppen[] = {"Plaats", "Team", "Gesp.", "Gew.", "Gel.", "Verl.",
                              "Voor", "Tegen", "Punten", ""};

} // namespace

StandModel::StandModel(QObject* parent) : QAbstractTableModel(parent) {}

void StandModel::ZetDag(const TWedstrijdDag* dag)
{
    beginResetModel();
    m_dag = dag;
    m_rijen = Rijen();
    endResetModel();
}

std::vector<StandModel::TRij> StandModel::Rijen() const
{
    std::vector<TRij> rijen;
    if (!m_dag)
        return rijen;
    const int poules = int(m_dag->Model().PouleLijst().size());
    for (int p = 0; p < poules; ++p) {
        rijen.push_back({TSoort::PouleKop, p, 0});
        for (int r = 0; r < int(m_dag->Stand(p).Regels.size()); ++r)
            rijen.push_back({TSoort::Team, p, r});
        rijen.push_back({TSoort::Leeg, p, 0});
    }
    for (int paar = 0; paar < int(m_dag->Paren().size()); ++paar) {
        rijen.push_back({TSoort::PaarKop, paar, 0});
        for (int r = 0; r < int(m_dag->Paren()[std::size_t(paar)].Eindstand.size()); ++r)
            rijen.push_back({TSoort::Plaats, paar, r});
        rijen.push_back({TSoort::Leeg, paar, 0});
    }
    return rijen;
}

void StandModel::Ververs()
{
    std::vector<TRij> rijen = Rijen();
    const bool zelfde = rijen.size() == m_rijen.size()
                        && std::equal(rijen.begin(), rijen.end(), m_rijen.begin(),
                                      [](const TRij& a, const TRij& b) {
                                          return a.Soort == b.Soort && a.Groep == b.Groep
                                                 && a.Regel == b.Regel;
                                      });
    if (!zelfde) {
        beginResetModel();
        m_rijen = std::move(rijen);
        endResetModel();
    } else if (!m_rijen.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

std::optional<std::pair<int, int>> StandModel::PouleRegel(int rij) const
{
    if (rij < 0 || std::size_t(rij) >= m_rijen.size())
        return std::nullopt;
    const TRij& r = m_rijen[std::size_t(rij)];
    if (r.Soort != TSoort::Team)
        return std::nullopt;
    return std::pair{r.Groep, r.Regel};
}

int StandModel::Rij(int poule, int regel) const
{
    for (std::size_t i = 0; i < m_rijen.size(); ++i) {
        const TRij& r = m_rijen[i];
        if (r.Soort == TSoort::Team && r.Groep == poule && r.Regel == regel)
            return int(i);
    }
    return -1;
}

int StandModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rijen.size());
}

int StandModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(std::size(Koppen));
}

QVariant StandModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || !m_dag)
        return {};
    const TRij& rij = m_rijen[std::size_t(index.row())];
    const bool kop = rij.Soort == TSoort::PouleKop || rij.Soort == TSoort::PaarKop;
    if (role == Qt::FontRole && kop) {
        QFont vet;
        vet.setBold(true);
        return vet;
    }
    if (role != Qt::DisplayRole)
        return {};
    const auto& poules = m_dag->Model().PouleLijst();
    auto pouleNaam = [&](int p) { return poules[std::size_t(p)]->Details->PouleNaam; };
    const int kolom = index.column();
    switch (rij.Soort) {
    case TSoort::Leeg:
        return {};
    case TSoort::PouleKop:
        if (kolom != 1)
            return {};
        return PouleTitel(pouleNaam(rij.Groep))
               + (m_dag->Stand(rij.Groep).Definitief ? QStringLiteral(" (eindstand)") : QString());
    case TSoort::PaarKop: {
        if (kolom != 1)
            return {};
        const TDagPaar& paar = m_dag->Paren()[std::size_t(rij.Groep)];
        return QStringLiteral("Eindstand ") + pouleNaam(paar.Poule1) + QStringLiteral(" & ")
               + pouleNaam(paar.Poule2);
    }
    case TSoort::Plaats: {
        const TEindPlaats& plaats =
            m_dag->Paren()[std::size_t(rij.Groep)].Eindstand[std::size_t(rij.Regel)];
        if (kolom == 0)
            return plaats.Plaats;
        if (kolom == 1)
            return plaats.Team ? plaats.Team->TeamNaam : QString();
        return {};
    }
    case TSoort::Team:
        break;
    }
    const TStandRegel& r = m_dag->Stand(rij.Groep).Regels[std::size_t(rij.Regel)];
    switch (kolom) {
    case 0: return rij.Regel + 1;
    case 1: return poules[std::size_t(rij.Groep)]->Teams[std::size_t(r.Team)]->TeamNaam;
    case 2: return r.Gespeeld;
    case 3: return r.Gewonnen;
    case 4: return r.Gelijk;
    case 5: return r.Verloren;
    case 6: return r.Voor;
    case 7: return r.Tegen;
    case 8: return r.Punten;
    case 9: return r.GelijkMerk ? QStringLiteral("gelijk") : QString();
    default: return {};
    }
}

QVariant StandModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < int(std::size(Koppen)))
        return QString::fromUtf8(Koppen[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}
