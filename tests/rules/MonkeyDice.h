// Zubrik: the random-play tests' dice: a small seeded generator that rolls the same on every machine.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

// splitmix64: the standard library's distributions may differ between
// implementations, and a failing seed must replay exactly anywhere.
class MonkeyDice
{
public:
    explicit MonkeyDice(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // 0 .. n - 1 (n > 0).
    int below(std::uint64_t n) { return int(next() % n); }
    bool chance(double p) { return double(next() >> 11) * 0x1.0p-53 < p; }

private:
    std::uint64_t m_state;
};
