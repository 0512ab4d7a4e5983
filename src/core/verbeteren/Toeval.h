#pragma once

#include <cstdint>

// The improver's own random numbers: a fixed seed and integer steps only (SplitMix64), so a
// tournament gets the same schedule on every machine, compiler and run. The standard
// distributions are left alone on purpose: their results differ between libraries.
class TToeval
{
public:
    explicit TToeval(std::uint64_t zaad) : m_toestand(zaad) {}

    std::uint64_t Volgende()
    {
        std::uint64_t z = (m_toestand += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // The seed of a generator of its own for run k, derived from this one's state.
    [[nodiscard]] std::uint64_t Afgeleid(std::uint64_t k) const
    {
        return m_toestand ^ ((k + 1) * 0xD1B54A32D192ED03ULL);
    }

    // A number 0..n-1 for n > 0 (the tiny bias of the remainder does not matter here).
    int Onder(int n) { return int(Volgende() % std::uint64_t(n)); }

private:
    std::uint64_t m_toestand;
};
