#include "core/uitslag/TUitslagen.h"

#include <algorithm>

bool TUitslagen::Leeg() const
{
    return m_lijst.empty() && m_terzijde.empty() && m_onleesbaar.isEmpty()
           && m_ongelezen.isEmpty() && m_punten == TPunten{} && m_lotingen.empty();
}

QString TUitslagen::Sleutel(const QString& wedstrijd, int keer)
{
    // The number first: a match text may hold any character, the number no separator.
    return QString::number(keer) + u'|' + wedstrijd;
}

void TUitslagen::Herindexeer()
{
    m_index.clear();
    m_index.reserve(qsizetype(m_lijst.size()));
    for (std::size_t i = 0; i < m_lijst.size(); ++i)
        m_index.insert(Sleutel(m_lijst[i].Wedstrijd, m_lijst[i].Keer), qsizetype(i));
}

const TUitslag* TUitslagen::Zoek(const QString& wedstrijd, int keer) const
{
    const auto plek = m_index.constFind(Sleutel(wedstrijd, keer));
    return plek == m_index.cend() ? nullptr : &m_lijst[std::size_t(*plek)];
}

bool TUitslagen::Zet(const TUitslag& uitslag)
{
    const QString sleutel = Sleutel(uitslag.Wedstrijd, uitslag.Keer);
    const auto plek = m_index.constFind(sleutel);
    if (plek != m_index.cend()) {
        TUitslag& bestaand = m_lijst[std::size_t(*plek)];
        m_laatste = *plek;
        m_laatsteTerzijde = false;
        if (bestaand == uitslag)
            return false;
        bestaand = uitslag;
        return true;
    }
    m_index.insert(sleutel, qsizetype(m_lijst.size()));
    m_laatste = qsizetype(m_lijst.size());
    m_laatsteTerzijde = false;
    m_lijst.push_back(uitslag);
    return true;
}

void TUitslagen::ZetTerzijde(const TUitslag& uitslag)
{
    m_laatste = qsizetype(m_terzijde.size());
    m_laatsteTerzijde = true;
    m_terzijde.push_back(uitslag);
}

void TUitslagen::ZetTeamVanLaatste(int kant, const QString& naam, const QString& regel)
{
    if (m_laatste >= 0) {
        TUitslag& uitslag = (m_laatsteTerzijde ? m_terzijde : m_lijst)[std::size_t(m_laatste)];
        (kant == 1 ? uitslag.Team1 : uitslag.Team2) = naam;
    } else if (m_laatsteRuw >= 0) {
        QString& ruw = (m_laatsteRuwGetoond ? m_onleesbaarRegels : m_ongelezen)[m_laatsteRuw];
        ruw += QStringLiteral("\r\n") + regel;
    } else {
        VoegOngelezenToe(regel);
    }
}

void TUitslagen::VoegOnleesbaarToe(const QString& waarde, const QString& regel)
{
    m_onleesbaar.append(waarde);
    m_onleesbaarRegels.append(regel);
    m_laatste = -1;
    m_laatsteRuw = m_onleesbaarRegels.size() - 1;
    m_laatsteRuwGetoond = true;
}

void TUitslagen::VoegOngelezenToe(const QString& regel)
{
    m_ongelezen.append(regel);
    m_laatste = -1;
    m_laatsteRuw = m_ongelezen.size() - 1;
    m_laatsteRuwGetoond = false;
}

bool TUitslagen::Wis(const QString& wedstrijd, int keer)
{
    const auto plek = m_index.constFind(Sleutel(wedstrijd, keer));
    if (plek == m_index.cend())
        return false;
    m_lijst.erase(m_lijst.begin() + *plek);
    m_laatste = -1;
    Herindexeer();
    return true;
}

bool TUitslagen::WisOnleesbaar(qsizetype index)
{
    if (index < 0 || index >= m_onleesbaar.size())
        return false;
    m_onleesbaar.removeAt(index);
    m_onleesbaarRegels.removeAt(index);
    m_laatsteRuw = -1;
    return true;
}

bool TUitslagen::ZetPunten(const TPunten& punten)
{
    const auto buiten = [](int waarde) { return waarde < 0 || waarde > TPunten::Max; };
    if (buiten(punten.Winst) || buiten(punten.Gelijk) || buiten(punten.Verlies)
        || m_punten == punten)
        return false;
    m_punten = punten;
    return true;
}

std::optional<QList<int>> TUitslagen::Loting(const QString& poule, int aantalTeams) const
{
    for (auto it = m_lotingen.rbegin(); it != m_lotingen.rend(); ++it) {
        if (it->Poule != poule)
            continue;
        std::vector<bool> gezien(std::size_t(std::max(aantalTeams, 0)), false);
        const bool geldig = std::all_of(it->Posities.begin(), it->Posities.end(), [&](int p) {
            if (p < 1 || p > aantalTeams || gezien[std::size_t(p - 1)])
                return false;
            gezien[std::size_t(p - 1)] = true;
            return true;
        });
        if (geldig && !it->Posities.isEmpty())
            return it->Posities;
    }
    return std::nullopt;
}

bool TUitslagen::ZetLoting(const QString& poule, const QList<int>& posities)
{
    std::vector<TLoting> nieuw;
    for (const TLoting& loting : m_lotingen) {
        if (loting.Poule != poule)
            nieuw.push_back(loting);
    }
    if (!posities.isEmpty())
        nieuw.push_back(TLoting{poule, posities});
    if (nieuw == m_lotingen)
        return false;
    m_lotingen = std::move(nieuw);
    return true;
}
