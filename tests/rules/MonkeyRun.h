// Zubrik: which random-play runs tst_monkey makes: its seeds and their length.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>
#include <vector>

// Set by the program's main from its command line or environment before the
// test runs; the defaults make the half million actions of a CI run.
struct MonkeyRun
{
    std::vector<std::uint64_t> seeds { 1, 2, 3, 4, 5 };
    long actions = 100000; // per seed

    static MonkeyRun &settings()
    {
        static MonkeyRun run;
        return run;
    }
};
