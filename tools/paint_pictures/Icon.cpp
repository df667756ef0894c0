// Zubrik: the program icon, the kanji for meat in red on black.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Colours.h"
#include "tools/paint_pictures/Pictures.h"

using namespace colours;

namespace pictures {

namespace {

constexpr QRgb kBevelLight = rgb(192, 192, 192);
constexpr QRgb kBevelDark = rgb(128, 128, 128);
constexpr QRgb kKanjiShade = rgb(128, 0, 0);

struct Stroke
{
    int x0, y0, x1, y1; // on a 32-pixel grid
};

// The six strokes of the kanji, laid out on the 32-pixel icon; the large
// icon scales them by one and a half.
constexpr Stroke kStrokes[] = {
    {5, 5, 5, 28},    // left side of the frame
    {5, 5, 26, 5},    // top of the frame
    {26, 5, 26, 27},  // right side, ending in a hook
    {26, 27, 23, 28}, // the hook
    {15, 6, 9, 15},   // upper person: falling left
    {14, 10, 21, 15}, // upper person: falling right
    {15, 14, 8, 25},  // lower person: falling left
    {14, 19, 22, 25}, // lower person: falling right
};

void drawKanji(Canvas &icon, int offset, int thickness, QRgb colour)
{
    const int size = icon.width();
    auto scaled = [size](int v) { return (v * size + 16) / 32; };
    for (const Stroke &s : kStrokes)
        icon.thickLine(scaled(s.x0) + offset, scaled(s.y0) + offset, scaled(s.x1) + offset,
                       scaled(s.y1) + offset, thickness, colour);
}

} // namespace

Canvas paintIcon(int size)
{
    Canvas icon(size, size, kBlack);
    const int thickness = size >= 48 ? 3 : 2;
    // A dark drop shadow first, so the red strokes stand off the black.
    drawKanji(icon, 1, thickness, kKanjiShade);
    drawKanji(icon, 0, thickness, kCaptionRed);
    const int bevel = size >= 48 ? 2 : 1;
    for (int k = 0; k < bevel; ++k) {
        const QRgb tone = k == 0 ? kBevelLight : kBevelDark;
        icon.hline(k, size - 1, k, tone);
        icon.vline(k, k, size - 1, tone);
    }
    return icon;
}

} // namespace pictures
