#pragma once

#include <vector>

// Maximum flow by Dinic's method on integer capacities. Capacities may be raised between runs:
// a run goes on from the flow already there. Every loop runs in the order the edges were
// added, so the same network gives the same flow.
class MaxStroom
{
public:
    explicit MaxStroom(int knopen);

    [[nodiscard]] int Knopen() const { return int(m_eerste.size()); }
    // Adds a node and returns its number.
    int VoegKnoopToe();
    // Adds an edge and returns its number.
    int VoegToe(int van, int naar, int capaciteit);
    void ZetCapaciteit(int rand, int capaciteit) { m_randen[std::size_t(rand)].Capaciteit = capaciteit; }
    [[nodiscard]] int Stroom(int rand) const { return m_randen[std::size_t(rand)].Stroom; }
    [[nodiscard]] int Naar(int rand) const { return m_randen[std::size_t(rand)].Naar; }
    // The edges leaving a node, in the order they were added (reverse edges included: those
    // have an odd number).
    template <typename Doe> void VoorElkeRand(int knoop, Doe doe) const
    {
        for (int r = m_eerste[std::size_t(knoop)]; r >= 0; r = m_randen[std::size_t(r)].Volgende)
            doe(r);
    }

    // Augments from bron to put as much as possible more through to put; returns how much.
    int Vul(int bron, int put);

private:
    struct TRand
    {
        int Naar = 0;
        int Capaciteit = 0;
        int Stroom = 0;
        int Volgende = -1;
    };
    [[nodiscard]] int Rest(int rand) const
    {
        const TRand& r = m_randen[std::size_t(rand)];
        return r.Capaciteit - r.Stroom;
    }
    bool Niveaus(int bron, int put);
    int Duw(int bron, int put);

    std::vector<TRand> m_randen; // an edge and its reverse side by side
    std::vector<int> m_eerste;   // per node the first edge of its list
    std::vector<int> m_laatste;  // per node the last edge, so the list keeps the order of adding
    std::vector<int> m_niveau;
    std::vector<int> m_huidig;
    std::vector<int> m_pad;
};
