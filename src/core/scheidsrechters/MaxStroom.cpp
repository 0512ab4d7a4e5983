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

int MaxStroom::Duw(int bron, int put)
{
    // Depth first along the levels, with the path on a stack of its own: a path may pass many
    // referees, deeper than a call stack should go.
    m_pad.clear();
    int knoop = bron;
    for (;;) {
        if (knoop == put) {
            int hoeveel = std::numeric_limits<int>::max();
            for (const int r : m_pad)
                hoeveel = std::min(hoeveel, Rest(r));
            for (const int r : m_pad) {
                m_randen[std::size_t(r)].Stroom += hoeveel;
                m_randen[std::size_t(r ^ 1)].Stroom -= hoeveel;
            }
            return hoeveel;
        }
        int& r = m_huidig[std::size_t(knoop)];
        while (r >= 0
               && (Rest(r) <= 0
                   || m_niveau[std::size_t(m_randen[std::size_t(r)].Naar)] != m_niveau[std::size_t(knoop)] + 1))
            r = m_randen[std::size_t(r)].Volgende;
        if (r >= 0) {
            m_pad.push_back(r);
            knoop = m_randen[std::size_t(r)].Naar;
            continue;
        }
        // A dead end: back one step, and the edge that led here is not tried again.
        if (m_pad.empty())
            return 0;
        const int terug = m_pad.back();
        m_pad.pop_back();
        knoop = m_randen[std::size_t(terug ^ 1)].Naar;
        m_huidig[std::size_t(knoop)] = m_randen[std::size_t(terug)].Volgende;
    }
}

int MaxStroom::Vul(int bron, int put)
{
    int totaal = 0;
    while (Niveaus(bron, put)) {
        m_huidig = m_eerste;
        while (const int geduwd = Duw(bron, put))
            totaal += geduwd;
    }
    return totaal;
}
