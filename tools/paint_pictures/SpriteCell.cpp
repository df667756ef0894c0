// Zubrik: splitting a drawn shape into a sprite cell and its mask cell.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/SpriteCell.h"

#include "tools/paint_pictures/Colours.h"

void SpriteCell::place(Canvas &sheet, const Canvas &shape, int x, int y)
{
    const int maskY = y + shape.height();
    for (int j = 0; j < shape.height(); ++j) {
        for (int i = 0; i < shape.width(); ++i) {
            const bool inside = !shape.isClear(i, j);
            sheet.set(x + i, y + j, inside ? shape.at(i, j) : colours::kBlack);
            sheet.set(x + i, maskY + j, inside ? colours::kBlack : colours::kWhite);
        }
    }
}
