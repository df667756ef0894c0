// Zubrik: a tiny seeded random source for speckles, stars and crowds.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

// A fixed linear congruential generator: the standard library's engines are
// fixed too, but their distributions are not, and the pictures must come out
// byte for byte the same everywhere.
class Rng
{
public:
    explicit Rng(std::uint32_t seed) : m_state(seed) {}

    std::uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    // A value in [0, n).
    int below(int n) { return int(next() % std::uint32_t(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint32_t m_state;
};
