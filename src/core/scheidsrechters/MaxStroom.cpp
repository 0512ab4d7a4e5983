#include "core/scheidsrechters/MaxStroom.h"

#include <algorithm>
#include <limits>

MaxStroom::MaxStroom(int knopen) : m_eerste(std::size_t(knopen), -1), m_laatste(std::size_t(knopen), -1) {}

int MaxStroom::VoegKnoopToe()
{
    m_eerste.push_back(-1);
    m_laatste.push_back(-1);
    return int(m_eerste.size()) - 1;
}

int MaxStroom::VoegToe(int van, int naar, int capaciteit)
{
    const auto hang = [this](int knoop, int rand) {
        if (m_laatste[std::size_t(knoop)] < 0)
            m_eerste[std::size_t(knoop)] = rand;
        else
            m_randen[std::size_t(m_laatste[std::size_t(knoop)])].Volgende = rand;
        m_laatste[std::size_t(knoop)] = rand;
    };
    const int rand = int(m_randen.size());
    m_randen.push_back({naar, capaciteit, 0, -1});
    m_randen.push_back({van, 0, 0, -1});
    hang(van, rand);
    hang(naar, rand + 1);
    return rand;
}

bool MaxStroom::Niveaus(int bron, int put)
{
    m_niveau.assign(m_eerste.size(), -1);
    std::vector<int> rij{bron};
    m_niveau[std::size_t(bron)] = 0;
    for (std::size_t i = 0; i < rij.size(); ++i) {
        const int knoop = rij[i];
        for (int r = m_eerste[std::size_t(knoop)]; r >= 0; r = m_randen[std::size_t(r)].Volgende) {
            const int naar = m_randen[std::size_t(r)].Naar;
            if (Rest(r) > 0 && m_niveau[std::size_t(naar)] < 0) {
                m_niveau[std::size_t(naar)] = m_niveau[std::size_t(knoop)] + 1;
                rij.push_back(naar);
            }
        }
    }
    return m_niveau[std::size_t(put)] >= 0;
}

int MaxStroom::Duw(int knoop, int put, int hoeveel)
{
    if (knoop == put)
        return hoeveel;
    for (int& r = m_huidig[std::size_t(knoop)]; r >= 0; r = m_randen[std::size_t(r)].Volgende) {
        const int naar = m_randen[std::size_t(r)].Naar;
        if (Rest(r) <= 0 || m_niveau[std::size_t(naar)] != m_niveau[std::size_t(knoop)] + 1)
            continue;
        if (const int geduwd = Duw(naar, put, std::min(hoeveel, Rest(r))); geduwd > 0) {
            m_randen[std::size_t(r)].Stroom += geduwd;
            m_randen[std::size_t(r ^ 1)].Stroom -= geduwd;
            return geduwd;
        }
    }
    return 0;
}

int MaxStroom::Vul(int bron, int put)
{
    int totaal = 0;
    while (Niveaus(bron, put)) {
        m_huidig = m_eerste;
        while (const int geduwd = Duw(bron, put, std::numeric_limits<int>::max()))
            totaal += geduwd;
    }
    return totaal;
}
