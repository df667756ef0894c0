// Zubrik: the program icon, the kanji for meat in red on black.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Colours.h"
#include "tools/paint_pictures/Pictures.h"

#include <QPoint>

#include <vector>

using namespace colours;

namespace pictures {

namespace {

constexpr int kLarge = 48;
constexpr QRgb kBevelLight = rgb(192, 192, 192);
constexpr QRgb kBevelDark = rgb(128, 128, 128);

// The strokes of the kanji as polylines on the 48-pixel icon, each drawn with
// a 3-pixel square pen. The dialogs show this icon in a 32-pixel box, which
// keeps two of every three rows and columns: a 3 x 3 square always keeps
// exactly 2 x 2, so every stroke comes out 2 pixels wide there as well.
const std::vector<std::vector<QPoint>> &strokes()
{
    static const std::vector<std::vector<QPoint>> all = {
        {{9, 12}, {9, 45}},                      // left side of the frame
        {{9, 12}, {39, 12}, {39, 42}, {36, 45}}, // top and right side, ending in a hook
        {{24, 4}, {23, 12}, {14, 23}},           // upper person: through the top, falling left
        {{21, 16}, {32, 24}},                    //   and right from its shoulder
        {{26, 21}, {13, 41}},                    // lower person: from under it, falling left
        {{19, 32}, {34, 42}},                    //   and right from half-way down
    };
    return all;
}

Canvas paintLarge()
{
    Canvas icon(kLarge, kLarge, kBlack);
    for (const std::vector<QPoint> &stroke : strokes())
        for (std::size_t k = 0; k + 1 < stroke.size(); ++k)
            icon.thickLine(stroke[k].x(), stroke[k].y(), stroke[k + 1].x(), stroke[k + 1].y(), 3,
                           kCaptionRed);
    for (int k = 0; k < 2; ++k) {
        const QRgb tone = k == 0 ? kBevelLight : kBevelDark;
        icon.hline(k, kLarge - 1, k, tone);
        icon.vline(k, k, kLarge - 1, tone);
    }
    return icon;
}

// The large icon reduced as the dialogs' image boxes reduce it: target pixel
// i samples the source at the centre of its span.
Canvas shrunk(const Canvas &large, int size)
{
    Canvas small(size, size);
    const auto sample = [&](int i) { return (2 * i + 1) * large.width() / (2 * size); };
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            small.set(x, y, large.at(sample(x), sample(y)));
    return small;
}

} // namespace

// The small icon is the large one as the dialogs show it, so the title bar
// and the dialogs' pictures never differ by a pixel.
Canvas paintIcon(int size)
{
    const Canvas large = paintLarge();
    return size == kLarge ? large : shrunk(large, size);
}

} // namespace pictures
