// Zubrik: splitting a drawn shape into a sprite cell and its mask cell.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "tools/paint_pictures/Canvas.h"

// The game draws a sprite by ANDing its mask and then ORing the sprite, so
// the two cells must agree exactly: the mask black over the shape and white
// elsewhere, the sprite black wherever the mask is white. Deriving both from
// one drawing makes a disagreement impossible.
class SpriteCell
{
public:
    // Writes the shape's sprite at (x, y) of the sheet and its mask directly
    // below it, at (x, y + shape height).
    static void place(Canvas &sheet, const Canvas &shape, int x, int y);
};
