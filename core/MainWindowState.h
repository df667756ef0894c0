// Zubrik: the main window's private jump bookkeeping.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

struct MainWindowState
{
    std::int16_t hasRisen = 0;        // 1 once charY came up to 80 in this flight
    std::int32_t pressCount = 0;      // presses since the jump began; 0 when standing
    std::int32_t jumpTime = 0;        // the jump clock t, +2 a tick
    std::int32_t restartTime = 0;     // clock value of the last live jump's second press
    std::int16_t restartTimeKept = 0; // restartTime parked while a replay runs
    std::int32_t codeEntry = 0;       // the hidden-mode key-code accumulator
};
