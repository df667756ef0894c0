// Zubrik: rectangle copies between picture images, the only way the game draws.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/RasterCopy.h"

#include <algorithm>
#include <cstdint>

namespace RasterCopy {
namespace {

bool usable(Hdc image)
{
    return image && !image->isNull();
}

// Applies op to n pixels. The three loops are kept separate and branch-free so
// that the compiler vectorises them; this is the whole cost of a frame.
void applyRow(std::uint32_t *dst, const std::uint32_t *src, int n, RasterOp op)
{
    switch (op) {
    case RasterOp::SrcCopy:
        std::copy(src, src + n, dst);
        break;
    case RasterOp::SrcAnd:
        for (int i = 0; i < n; ++i)
            dst[i] &= src[i];
        break;
    case RasterOp::SrcPaint:
        for (int i = 0; i < n; ++i)
            dst[i] |= src[i];
        break;
    }
}

// The half-open range [first, last) of offsets along one axis for which both
// the source position and the destination position lie inside their images.
struct Span
{
    std::int64_t first;
    std::int64_t last;
    bool empty() const { return first >= last; }
};

Span clipUnscaled(std::int64_t length, std::int64_t dst, std::int64_t dstSize, std::int64_t src,
                  std::int64_t srcSize)
{
    return { std::max<std::int64_t>({ 0, -dst, -src }),
             std::min<std::int64_t>({ length, dstSize - dst, srcSize - src }) };
}

} // namespace

int BitBlt(Hdc destination, int x, int y, int width, int height, Hdc source, int srcX, int srcY,
           RasterOp op)
{
    if (!usable(destination) || !usable(source))
        return 0;
    if (width <= 0 || height <= 0)
        return 1;
    const Span cols = clipUnscaled(width, x, destination->width(), srcX, source->width());
    const Span rows = clipUnscaled(height, y, destination->height(), srcY, source->height());
    if (cols.empty() || rows.empty())
        return 1;
    const int n = int(cols.last - cols.first);
    // A copy of an image onto itself reads rows that it may already have written;
    // go through a copy of the source rows in that case.
    const Image sourceCopy = (source == destination) ? *source : Image();
    const Image &from = (source == destination) ? sourceCopy : *source;
    for (std::int64_t j = rows.first; j < rows.last; ++j) {
        const std::uint32_t *srcRow = from.row(int(srcY + j));
        std::uint32_t *dstRow = destination->row(int(y + j));
        applyRow(dstRow + x + cols.first, srcRow + srcX + cols.first, n, op);
    }
    return 1;
}

int StretchBlt(Hdc destination, int x, int y, int width, int height, Hdc source, int srcX, int srcY,
               int srcWidth, int srcHeight, RasterOp op)
{
    if (!usable(destination) || !usable(source))
        return 0;
    if (width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0)
        return 1;
    const Image sourceCopy = (source == destination) ? *source : Image();
    const Image &from = (source == destination) ? sourceCopy : *source;
    // Destination offset i samples source offset floor((i + 1/2) * srcWidth / width).
    auto sample = [](std::int64_t i, std::int64_t srcLength, std::int64_t length) {
        return ((2 * i + 1) * srcLength) / (2 * length);
    };
    const std::int64_t dstW = destination->width(), dstH = destination->height();
    const std::int64_t srcW = from.width(), srcH = from.height();
    for (std::int64_t j = std::max<std::int64_t>(0, -std::int64_t(y));
         j < height && y + j < dstH; ++j) {
        const std::int64_t sy = srcY + sample(j, srcHeight, height);
        if (sy < 0 || sy >= srcH)
            continue;
        const std::uint32_t *srcRow = from.row(int(sy));
        std::uint32_t *dstRow = destination->row(int(y + j));
        for (std::int64_t i = std::max<std::int64_t>(0, -std::int64_t(x));
             i < width && x + i < dstW; ++i) {
            const std::int64_t sx = srcX + sample(i, srcWidth, width);
            if (sx < 0 || sx >= srcW)
                continue;
            applyRow(dstRow + x + i, srcRow + sx, 1, op);
        }
    }
    return 1;
}

} // namespace RasterCopy
