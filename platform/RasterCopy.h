// Zubrik: rectangle copies between picture images, the only way the game draws.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Image.h"

enum class RasterOp : unsigned {
    SrcCopy = 0xCC0020,  // destination = source
    SrcAnd = 0x8800C6,   // destination = destination AND source
    SrcPaint = 0xEE0086, // destination = destination OR source
};

namespace RasterCopy {

// Copies the width x height rectangle at (srcX, srcY) of the source to (x, y)
// of the destination. Only pixels whose source and destination both lie inside
// their images are touched; nothing is shifted to fit. Returns non-zero when the
// call was valid (results are never examined by the game).
int BitBlt(Hdc destination, int x, int y, int width, int height, Hdc source, int srcX, int srcY,
           RasterOp op);

// As BitBlt, scaling the source rectangle to the destination's size by
// nearest-neighbour sampling at pixel centres, independently in x and y. A mask
// and its sprite stretched to the same rectangle sample the same grid.
int StretchBlt(Hdc destination, int x, int y, int width, int height, Hdc source, int srcX, int srcY,
               int srcWidth, int srcHeight, RasterOp op);

} // namespace RasterCopy
