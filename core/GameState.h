// Zubrik: the one shared record of the game.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/RasterCopy.h"

#include <cstdint>

// One instance lives for the whole run (made in main and lent to every window);
// all handlers run on the user-interface thread, so plain fields suffice.
// The main window's load handler gives every field its first value.
struct GameState
{
    std::int32_t charFrameX = 0;    // x of the character's cell in Niku; 276 selects NikuK
    Hdc stageDc = nullptr;          // image of the selected stage picture
    float stageWidth = 0;           // twips, from Bg(0) at start-up
    std::int16_t stageHeight = 0;   // twips, from Bg(0) at start-up
    double charY = 0;               // pixels from the top of Pic; 120 is standing
    std::int16_t shadowFrameX = 0;  // x of the shadow cell in Kage: 0, 92 or 184
    double launchSpeed = 0;         // the stage's V (whole values)
    double gravity = 0;             // the character's g
    std::int16_t paused = 0;        // 1 while a jump is paused
    std::int16_t hiddenMode = 0;    // 1 once the key code has been typed; never back to 0
};
