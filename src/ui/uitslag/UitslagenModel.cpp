#include "ui/uitslag/UitslagenModel.h"

#include "core/model/RondeKop.h"
#include "core/model/TTeamDetails.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"
#include "core/schema/TSchemaBoom.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "core/uitslag/UitslagWijziging.h"

namespace {

QString Score(const std::optional<int>& doelpunten, bool gewonnen)
{
    if (!doelpunten)
        return {};
    return QString::number(*doelpunten) + (gewonnen ? QStringLiteral("*") : QString());
}

QString KantNaam(const TTeamDetails* team, const std::optional<TKruisWedstrijd>& kruis, int kant)
{
    if (team)
        return team->TeamNaam;
    if (!kruis)
        return kant == 1 ? QStringLiteral("Eerste") : QStringLiteral("Tweede");
    return kant == 1 ? kruis->Kant1.Tekst : kruis->Kant2.Tekst;
}

} // namespace

UitslagenModel::UitslagenModel(TVraagsteller& vragen, QObject* parent)
    : QAbstractTableModel(parent), m_vragen(vragen)
{
}

void UitslagenModel::ZetDag(TWedstrijdDag* dag, const TSchemaBoom* boom)
{
    beginResetModel();
    m_dag = dag;
    m_boom = dag ? boom : nullptr;
    m_half.clear();
    m_wachtend.clear();
    ++m_dagNummer;
    m_rijen = TelRijen();
    endResetModel();
}

void UitslagenModel::Ververs()
{
    const int rijen = TelRijen();
    // The matches stay where they are; only lapsed results come or go at the end, so the
    // current cell (where the organiser is typing) keeps its place.
    if (rijen > m_rijen) {
        beginInsertRows({}, m_rijen, rijen - 1);
        m_rijen = rijen;
        endInsertRows();
    } else if (rijen < m_rijen) {
        beginRemoveRows({}, rijen, m_rijen - 1);
        m_rijen = rijen;
        endRemoveRows();
    }
    if (rijen > 0)
        emit dataChanged(index(0, 0), index(rijen - 1, AantalKolommen - 1));
}

int UitslagenModel::AantalWedstrijden() const
{
    return m_dag ? int(m_dag->Wedstrijden().size()) : 0;
}

int UitslagenModel::TelRijen() const
{
    if (!m_dag)
        return 0;
    return AantalWedstrijden() + int(m_dag->Vervallen().size()) + int(m_dag->Onleesbaar().size());
}

int UitslagenModel::rowCount(const QModelIndex& parent) const
{
    // The rows as last announced; Ververs announces what the match day has now.
    return parent.isValid() ? 0 : m_rijen;
}

int UitslagenModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : AantalKolommen;
}

UitslagenModel::TScores UitslagenModel::Scores(int wedstrijd) const
{
    if (const auto wachtend = m_wachtend.constFind(wedstrijd); wachtend != m_wachtend.cend())
        return *wachtend;
    const TDagWedstrijd& w = m_dag->Wedstrijden()[std::size_t(wedstrijd)];
    if (w.Uitslag)
        return {w.Uitslag->Doelpunten1, w.Uitslag->Doelpunten2};
    return m_half.value(wedstrijd);
}

QVariant UitslagenModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || !m_dag)
        return {};
    if (role == Qt::TextAlignmentRole && index.column() >= Doelpunten1)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int rij = index.row();
    const int aantal = AantalWedstrijden();
    if (rij >= aantal) {
        const int vervallen = rij - aantal;
        const auto& lijst = m_dag->Vervallen();
        if (vervallen < int(lijst.size())) {
            const TUitslag& u = lijst[std::size_t(vervallen)];
            switch (index.column()) {
            case Ronde: return QStringLiteral("vervallen");
            case Wedstrijd:
                return u.Keer > 1 ? u.Wedstrijd + QStringLiteral(" (%1e keer)").arg(u.Keer)
                                  : u.Wedstrijd;
            case Namen:
                return u.HeeftTeams() ? u.Team1 + QStringLiteral(" x ") + u.Team2 : QString();
            case Doelpunten1: return Score(u.Doelpunten1, u.Beslist == 1);
            case Doelpunten2: return Score(u.Doelpunten2, u.Beslist == 2);
            default: return {};
            }
        }
        if (index.column() == Ronde)
            return QStringLiteral("vervallen");
        if (index.column() == Wedstrijd)
            return m_dag->Onleesbaar().value(vervallen - qsizetype(lijst.size()));
        return {};
    }
    const TDagWedstrijd& w = m_dag->Wedstrijden()[std::size_t(rij)];
    switch (index.column()) {
    case Ronde: {
        const QString kop = m_dag->Model().Velden().RondeKop(w.Ronde + 1);
        return QStringLiteral("Ronde %1  %2").arg(w.Ronde + 1).arg(RondeKop::TijdBereik(kop));
    }
    case Veld: {
        const QString& slot = m_boom->Ronden[std::size_t(w.Ronde)].Velden[std::size_t(w.Veld)].Tekst;
        return slot.left(slot.indexOf(u": "));
    }
    case Wedstrijd: return w.Tekst;
    case Namen: {
        const QString ingevuld = m_dag->IngevuldeTekst(rij);
        return ingevuld == w.Tekst ? QString() : ingevuld;
    }
    case Doelpunten1:
    case Doelpunten2: {
        const TScores scores = Scores(rij);
        const bool eerste = index.column() == Doelpunten1;
        if (role == Qt::EditRole)
            return Score(eerste ? scores.first : scores.second, false);
        const int beslist = w.Uitslag ? w.Uitslag->Beslist : 0;
        return Score(eerste ? scores.first : scores.second, beslist == (eerste ? 1 : 2));
    }
    default: return {};
    }
}

QVariant UitslagenModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Ronde: return QStringLiteral("Ronde");
    case Veld: return QStringLiteral("Veld");
    case Wedstrijd: return QStringLiteral("Wedstrijd");
    case Namen: return QStringLiteral("Namen");
    case Doelpunten1: return QStringLiteral("Thuis");
    case Doelpunten2: return QStringLiteral("Uit");
    default: return {};
    }
}

Qt::ItemFlags UitslagenModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags vlaggen = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() >= Doelpunten1 && index.row() < AantalWedstrijden())
        vlaggen |= Qt::ItemIsEditable;
    return vlaggen;
}

int UitslagenModel::Beslis(int wedstrijd)
{
    const TDagWedstrijd& w = m_dag->Wedstrijden()[std::size_t(wedstrijd)];
    return m_vragen.VraagWinnaar(m_dag->IngevuldeTekst(wedstrijd), KantNaam(w.Kant1, w.Kruis, 1),
                                 KantNaam(w.Kant2, w.Kruis, 2));
}

bool UitslagenModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString tekst = value.toString().trimmed();
    std::optional<int> doelpunten;
    if (!tekst.isEmpty()) {
        bool goed = false;
        const int getal = tekst.toInt(&goed);
        if (!goed || getal < 0 || getal > TUitslag::MaxDoelpunten)
            return false;
        doelpunten = getal;
    }
    const int rij = index.row();
    const TScores oud = Scores(rij);
    TScores nieuw = oud;
    (index.column() == Doelpunten1 ? nieuw.first : nieuw.second) = doelpunten;
    if (nieuw == oud)
        return true;
    Verwerk(rij, nieuw);
    return true;
}

void UitslagenModel::OnthoudHalf(int wedstrijd, const TScores& scores)
{
    if (scores.first.has_value() != scores.second.has_value())
        m_half.insert(wedstrijd, scores);
    else
        m_half.remove(wedstrijd);
}

void UitslagenModel::Verwerk(int rij, TScores nieuw)
{
    const TDagWedstrijd& w = m_dag->Wedstrijden()[std::size_t(rij)];
    std::optional<TUitslag> uitslag;
    if (nieuw.first && nieuw.second)
        uitslag = TUitslag{w.Keer, *nieuw.first, *nieuw.second, 0, w.Tekst, {}, {}};
    if (!uitslag && !w.Uitslag) {
        // One score of two, or none: no result yet, nothing changes in the tournament.
        m_wachtend.remove(rij);
        OnthoudHalf(rij, nieuw);
        Ververs();
        return;
    }
    const bool gelijkKruis =
        uitslag && w.IsKruis() && uitslag->Doelpunten1 == uitslag->Doelpunten2;
    if (!gelijkKruis && m_dag->GevolgenVanUitslag(rij, uitslag).empty()) {
        m_bezig = true;
        m_dag->ZetUitslag(rij, uitslag);
        m_bezig = false;
        m_wachtend.remove(rij);
        OnthoudHalf(rij, nieuw);
        Ververs();
        return;
    }
    // A question: the typed scores show while it waits for the editor to close.
    m_wachtend.insert(rij, nieuw);
    Ververs();
    QMetaObject::invokeMethod(
        this,
        [this, rij, nieuw, uitslag, dag = m_dagNummer] {
            if (dag != m_dagNummer || !m_wachtend.contains(rij) || m_wachtend.value(rij) != nieuw)
                return;
            m_wachtend.remove(rij);
            if (VraagEnZet(rij, uitslag))
                OnthoudHalf(rij, nieuw);
            Ververs();
        },
        Qt::QueuedConnection);
}

bool UitslagenModel::VraagEnZet(int rij, std::optional<TUitslag> uitslag)
{
    const TDagWedstrijd& w = m_dag->Wedstrijden()[std::size_t(rij)];
    if (uitslag && w.IsKruis() && uitslag->Doelpunten1 == uitslag->Doelpunten2)
        uitslag->Beslist = Beslis(rij);
    m_bezig = true;
    const bool gedaan = UitslagWijziging::ZetUitslag(*m_dag, m_vragen, rij, uitslag);
    m_bezig = false;
    return gedaan;
}
