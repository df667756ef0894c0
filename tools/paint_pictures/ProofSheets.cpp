// Zubrik: proof sheets for looking at the pictures, never shipped.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/ProofSheets.h"

#include "tools/paint_pictures/Colours.h"
#include "tools/paint_pictures/PixelFont.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr QRgb kPaper = colours::rgb(90, 90, 110);
constexpr QRgb kLabel = colours::rgb(255, 255, 255);
constexpr int kMargin = 12;
constexpr int kLabelScale = 2;
constexpr int kLabelHeight = 5 * kLabelScale + 6;

const Canvas &find(const std::vector<pictures::Picture> &all, const char *name)
{
    for (const pictures::Picture &p : all)
        if (std::strcmp(p.fileName, name) == 0)
            return p.canvas;
    return all.front().canvas;
}

struct Placed
{
    QPoint at;
    const pictures::Picture *picture;
};

} // namespace

Canvas ProofSheets::zoomed(const Canvas &canvas, int factor)
{
    Canvas out(canvas.width() * factor, canvas.height() * factor);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            out.fillRect(x * factor, y * factor, factor, factor, canvas.at(x, y));
    return out;
}

void ProofSheets::maskedCopy(Canvas &destination, int dx, int dy, const Canvas &sheet,
                             const QRect &sprite, const QRect &mask)
{
    for (int j = 0; j < sprite.height(); ++j)
        for (int i = 0; i < sprite.width(); ++i) {
            const int x = dx + i;
            const int y = dy + j;
            if (!destination.contains(x, y))
                continue;
            const QRgb under = destination.at(x, y) & sheet.at(mask.x() + i, mask.y() + j);
            destination.set(x, y, 0xff000000u | under | sheet.at(sprite.x() + i, sprite.y() + j));
        }
}

Canvas ProofSheets::contactSheet(const std::vector<pictures::Picture> &all)
{
    constexpr int kZoom = 3;
    constexpr int kMaxWidth = 1900;
    // Shelf packing: left to right, a new shelf when the row is full.
    std::vector<Placed> placed;
    int x = kMargin;
    int y = kMargin;
    int shelf = 0;
    int width = 0;
    for (const pictures::Picture &p : all) {
        const int w = p.canvas.width() * kZoom;
        const int h = p.canvas.height() * kZoom + kLabelHeight;
        if (x + w + kMargin > kMaxWidth && x > kMargin) {
            x = kMargin;
            y += shelf + kMargin;
            shelf = 0;
        }
        placed.push_back({QPoint(x, y), &p});
        x += w + kMargin;
        width = std::max(width, x);
        shelf = std::max(shelf, h);
    }
    Canvas sheet(width, y + shelf + kMargin, kPaper);
    for (const Placed &item : placed) {
        PixelFont::drawSmall(sheet, item.at.x(), item.at.y(),
                             QString::fromLatin1(item.picture->fileName), kLabel, kLabelScale);
        sheet.draw(zoomed(item.picture->canvas, kZoom), item.at.x(), item.at.y() + kLabelHeight);
    }
    return sheet;
}

Canvas ProofSheets::onStages(const std::vector<pictures::Picture> &all)
{
    constexpr int kZoom = 2;
    const Canvas &niku = find(all, "niku.png");
    const Canvas &nikuk = find(all, "nikuk.png");
    const Canvas &kage = find(all, "kage.png");
    const char *stages[] = {"bg0.png", "bg1.png", "bg2.png", "bg3.png"};
    // Where the game puts them at rest on a 303-pixel stage.
    constexpr int kCharX = 106;
    constexpr int kCharY = 120;
    constexpr int kShadowY = 152;

    constexpr int kRows = 5;
    const int frameW = 303 * kZoom;
    const int frameH = 183 * kZoom;
    Canvas sheet(kMargin + 4 * (frameW + kMargin), kMargin + kRows * (frameH + kMargin), kPaper);
    for (int s = 0; s < 4; ++s) {
        for (int row = 0; row < kRows; ++row) {
            Canvas frame = find(all, stages[s]);
            if (row < 3) {
                maskedCopy(frame, kCharX, kShadowY, kage, {0, 0, 92, 16}, {0, 16, 92, 16});
                maskedCopy(frame, kCharX, kCharY, niku, {92 * row, 0, 92, 42},
                           {92 * row, 42, 92, 42});
            } else if (row == 3) {
                maskedCopy(frame, kCharX, kShadowY, kage, {0, 0, 92, 16}, {0, 16, 92, 16});
                maskedCopy(frame, 110, kCharY - 25, nikuk, {0, 0, 82, 67}, {0, 67, 82, 67});
            } else {
                // The three shadows side by side, and a character caught
                // mid-jump, cut off by the top edge as the game draws it.
                for (int k = 0; k < 3; ++k)
                    maskedCopy(frame, 10 + 98 * k, kShadowY, kage, {92 * k, 0, 92, 16},
                               {92 * k, 16, 92, 16});
                maskedCopy(frame, kCharX, -12, niku, {0, 0, 92, 42}, {0, 42, 92, 42});
            }
            sheet.draw(zoomed(frame, kZoom), kMargin + s * (frameW + kMargin),
                       kMargin + row * (frameH + kMargin));
        }
    }
    return sheet;
}
