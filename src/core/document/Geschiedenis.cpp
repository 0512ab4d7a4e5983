#include "core/document/Geschiedenis.h"

void Geschiedenis::Begin(TStap basis)
{
    m_stappen.clear();
    m_stappen.push_back(std::move(basis));
    m_positie = 0;
    m_bewaard = 0;
    m_samenvoegen = false;
}

void Geschiedenis::VoegToe(TStap stap)
{
    if (m_stappen.empty()) {
        Begin(std::move(stap));
        return;
    }
    m_stappen.resize(m_positie + 1);
    if (m_bewaard > qsizetype(m_positie))
        m_bewaard = -1;
    TStap& laatste = m_stappen.back();
    if (m_samenvoegen && m_positie > 0 && laatste.Samenvoegbaar && stap.Samenvoegbaar
        && laatste.Naam == stap.Naam && m_bewaard != qsizetype(m_positie)) {
        laatste = std::move(stap);
        return;
    }
    m_samenvoegen = stap.Samenvoegbaar;
    m_stappen.push_back(std::move(stap));
    ++m_positie;
    if (m_stappen.size() > std::size_t(MaxStappen) + 1) {
        m_stappen.pop_front();
        --m_positie;
        m_bewaard = m_bewaard > 0 ? m_bewaard - 1 : -1;
    }
}

QString Geschiedenis::OngedaanNaam() const
{
    return KanOngedaan() ? m_stappen.at(m_positie).Naam : QString();
}

QString Geschiedenis::HerhaalNaam() const
{
    return KanHerhalen() ? m_stappen.at(m_positie + 1).Naam : QString();
}

const Geschiedenis::TStap& Geschiedenis::OngedaanMaken()
{
    m_samenvoegen = false;
    if (KanOngedaan())
        --m_positie;
    return m_stappen.at(m_positie);
}

const Geschiedenis::TStap& Geschiedenis::Herhalen()
{
    m_samenvoegen = false;
    if (KanHerhalen())
        ++m_positie;
    return m_stappen.at(m_positie);
}
