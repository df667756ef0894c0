// Zubrik: draws one frame of the main picture out of the sprite sheets.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/FrameCompositor.h"

#include "platform/PictureBox.h"
#include "platform/Rounding.h"
#include "platform/Twips.h"

using Rounding::toInt32;
using RasterCopy::BitBlt;

namespace {

constexpr int shadowTop = 152; // 2280 twips

// The mask cell lies directly below its sprite cell.
void maskedCopy(Hdc destination, int x, int y, int width, int height, Hdc sheet, int cellX)
{
    BitBlt(destination, x, y, width, height, sheet, cellX, height, RasterOp::SrcAnd);
    BitBlt(destination, x, y, width, height, sheet, cellX, 0, RasterOp::SrcPaint);
}

} // namespace

void FrameCompositor::draw(const GameState &state, FrameSurfaces surfaces)
{
    PictureBox &pic = surfaces.pic;
    const double cx = double(pic.width()) / Twips::perPixel / 2;
    const double cy = double(pic.height()) / Twips::perPixel / 2;
    Hdc target = pic.hDC();

    pic.Cls();

    // The requested size is the stage's twips taken as pixels: far larger than
    // the picture, and clipped to it.
    BitBlt(target, 0, 0, toInt32(state.stageWidth), state.stageHeight, state.stageDc, 0, 0,
           RasterOp::SrcCopy);

    maskedCopy(target, toInt32(cx - 46), shadowTop, 92, 16, surfaces.kage,
               toInt32(state.shadowFrameX));

    if (state.charFrameX == hiddenCharacterFrameX)
        maskedCopy(target, toInt32(cx - 41), toInt32(state.charY - 25), 82, 67, surfaces.nikuK, 0);
    else
        maskedCopy(target, toInt32(cx - 46), toInt32(state.charY), 92, 42, surfaces.niku,
                   toInt32(state.charFrameX));

    if (surfaces.timerInterval == replayInterval)
        BitBlt(target, 10, 10, 70, 15, surfaces.moji, 0, 0, RasterOp::SrcCopy);

    if (state.paused == 1)
        maskedCopy(target, toInt32(cx - 35), toInt32(cy - 10), 70, 20, surfaces.moji, 70);
}
