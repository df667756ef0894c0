// Zubrik: hand-made pixel letters, so no picture depends on a font.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "tools/paint_pictures/Canvas.h"

#include <QString>

#include <initializer_list>

// Bitmaps are written as rows of text: '#' is a pixel of the letter, any
// other character is left alone.
class PixelFont
{
public:
    using Bitmap = std::initializer_list<const char *>;

    // Stamps one bitmap with its top-left corner at (x, y), each pixel a
    // scale x scale block. Returns the bitmap's width in pixels.
    static int stamp(Canvas &canvas, int x, int y, Bitmap rows, QRgb colour, int scale = 1);

    // A 3 x 5 font of capitals, digits and a little punctuation; letters
    // advance by 4 x scale. Unknown characters are left blank.
    static int drawSmall(Canvas &canvas, int x, int y, const QString &text, QRgb colour,
                         int scale = 1);
    static int smallWidth(const QString &text, int scale = 1);
};
