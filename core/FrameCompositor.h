// Zubrik: draws one frame of the main picture out of the sprite sheets.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "core/GameState.h"

class PictureBox;

// Everything a frame is made from besides the game state, read at each call.
struct FrameSurfaces
{
    PictureBox &pic;
    Hdc kage;
    Hdc niku;
    Hdc nikuK;
    Hdc moji;
    int timerInterval;
};

class FrameCompositor
{
public:
    static constexpr int replayInterval = 150;
    static constexpr std::int32_t hiddenCharacterFrameX = 276;

    // Clears Pic and lays, in this order, the stage, the shadow, the character,
    // the replay caption (while the timer runs at the replay interval) and the
    // pause overlay (while paused). Keeps no state: the same inputs give the
    // same picture.
    static void draw(const GameState &state, FrameSurfaces surfaces);
};
