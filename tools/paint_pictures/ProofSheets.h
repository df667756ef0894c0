// Zubrik: proof sheets for looking at the pictures, never shipped.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "tools/paint_pictures/Canvas.h"
#include "tools/paint_pictures/Pictures.h"

#include <vector>

class ProofSheets
{
public:
    // Every picture at three times its size, each with its file name above.
    static Canvas contactSheet(const std::vector<pictures::Picture> &all);

    // Each character at rest over its shadow, and each shadow on its own, on
    // every stage, laid on with the game's masked copy, at twice the size.
    static Canvas onStages(const std::vector<pictures::Picture> &all);

    // The game's masked copy: the mask ANDed in, then the sprite ORed in.
    static void maskedCopy(Canvas &destination, int dx, int dy, const Canvas &sheet,
                           const QRect &sprite, const QRect &mask);

    static Canvas zoomed(const Canvas &canvas, int factor);
};
