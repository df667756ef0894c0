// Zubrik: tests of the rectangle copies: per-pixel operations, clipping, stretching.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/RasterCopy.h"

#include <doctest/doctest.h>

#include <cstdint>
#include <limits>

using RasterCopy::BitBlt;
using RasterCopy::StretchBlt;

namespace {

// An image whose every pixel is distinct, so a shifted copy cannot pass.
Image numbered(int width, int height, std::uint32_t seed)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | ((seed * 2654435761u + std::uint32_t(y * width + x) * 40503u) & 0xFFFFFFu));
    return image;
}

Image filled(int width, int height, std::uint32_t colour)
{
    return Image(width, height, colour);
}

bool contains(const Image &image, std::int64_t x, std::int64_t y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

std::uint32_t apply(std::uint32_t dst, std::uint32_t src, RasterOp op)
{
    switch (op) {
    case RasterOp::SrcCopy: return src;
    case RasterOp::SrcAnd: return 0xFF000000u | (dst & src);
    case RasterOp::SrcPaint: return 0xFF000000u | (dst | src);
    }
    return 0;
}

// What a copy must leave: every requested pixel with both ends inside its image
// combined by op, every other pixel untouched.
Image expectedCopy(const Image &before, int x, int y, int w, int h, const Image &src, int sx,
                   int sy, RasterOp op)
{
    Image expected = before;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int dx = x + i, dy = y + j, fx = sx + i, fy = sy + j;
            if (contains(expected, dx, dy) && contains(src, fx, fy))
                expected.setPixel(dx, dy, apply(expected.pixel(dx, dy), src.pixel(fx, fy), op));
        }
    return expected;
}

const std::uint32_t white = Image::rgb(255, 255, 255);
const std::uint32_t black = Image::rgb(0, 0, 0);

} // namespace

TEST_CASE("bitBltClipsWithoutShifting")
{
    struct Op { const char *name; RasterOp op; };
    const Op ops[] = { { "copy", RasterOp::SrcCopy }, { "and", RasterOp::SrcAnd }, { "or", RasterOp::SrcPaint } };
    // A target rectangle x, y, width, height, and where it reads the source.
    struct Row { const char *name; int x, y, width, height, srcX, srcY; };
    const Row rows[] = {
        { "inside", 5, 6, 10, 7, 3, 2 },
        { "above the top edge", 4, -9, 12, 20, 0, 0 },
        { "left of the left edge", -7, 3, 12, 5, 1, 1 },
        { "past right and bottom", 30, 20, 50, 50, 0, 0 },
        { "source larger than picture", 0, 0, 4545, 2745, 0, 0 },
        { "source partly outside", 2, 2, 10, 10, 18, 12 },
        { "source starting left of it", 2, 2, 10, 10, -4, -3 },
        { "source wholly outside", 0, 0, 92, 42, 276, 42 },
        { "destination wholly outside", 40, 2, 10, 10, 0, 0 },
        { "zero width", 1, 1, 0, 10, 0, 0 },
        { "negative height", 1, 1, 5, -3, 0, 0 },
    };
    for (const Op &op : ops)
        for (const Row &r : rows) {
            INFO(op.name << " " << r.name);
            Image source = numbered(24, 16, 7);
            Image destination = numbered(36, 28, 3);
            const Image expected =
                expectedCopy(destination, r.x, r.y, r.width, r.height, source, r.srcX, r.srcY, op.op);
            BitBlt(&destination, r.x, r.y, r.width, r.height, &source, r.srcX, r.srcY, op.op);
            CHECK(destination == expected);
        }
}

TEST_CASE("maskedPairIsExactAndTransparent")
{
    // A 4 x 2 cell: mask white (background shows) on the left half, black
    // over the shape; the sprite black wherever its mask is white.
    Image sheet(4, 4);
    const std::uint32_t red = Image::rgb(200, 10, 30);
    for (int x = 0; x < 4; ++x) {
        const bool shape = x >= 2;
        sheet.setPixel(x, 0, shape ? (x == 3 ? black : red) : black); // outline pixel black
        sheet.setPixel(x, 1, shape ? red : black);
        sheet.setPixel(x, 2, shape ? black : white);
        sheet.setPixel(x, 3, shape ? black : white);
    }
    Image background = numbered(6, 5, 11);
    const Image before = background;
    // Drawn one row above the top edge: only the lower row lands.
    BitBlt(&background, 1, -1, 4, 2, &sheet, 0, 2, RasterOp::SrcAnd);
    BitBlt(&background, 1, -1, 4, 2, &sheet, 0, 0, RasterOp::SrcPaint);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            std::uint32_t expected = before.pixel(x, y);
            if (y == 0 && (x == 3 || x == 4))
                expected = red; // sheet row 1, shape columns
            INFO(x << "," << y);
            CHECK(background.pixel(x, y) == expected);
        }
}

TEST_CASE("copyOntoItselfReadsTheOriginal")
{
    Image image = numbered(10, 10, 5);
    const Image before = image;
    BitBlt(&image, 1, 1, 8, 8, &image, 0, 0, RasterOp::SrcCopy);
    CHECK(image == expectedCopy(before, 1, 1, 8, 8, before, 0, 0, RasterOp::SrcCopy));
}

TEST_CASE("invalidImagesAreRefused")
{
    Image destination = filled(4, 4, Image::rgb(1, 2, 3));
    Image empty; // no pixels: not a picture at all
    CHECK(BitBlt(&destination, 0, 0, 4, 4, nullptr, 0, 0, RasterOp::SrcCopy) == 0);
    CHECK(BitBlt(&destination, 0, 0, 4, 4, &empty, 0, 0, RasterOp::SrcCopy) == 0);
    CHECK(destination == filled(4, 4, Image::rgb(1, 2, 3)));
}

TEST_CASE("stretchReducesByNearestNeighbour")
{
    // The stage thumbnail: 303 x 183 down to 133 x 81.
    Image stage = numbered(303, 183, 1);
    Image strip = filled(400, 90, Image::rgb(224, 224, 224));
    StretchBlt(&strip, 134, 0, 133, 81, &stage, 0, 0, 303, 183, RasterOp::SrcCopy);
    int wrong = 0;
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 400; ++x) {
            std::uint32_t expected = Image::rgb(224, 224, 224);
            if (x >= 134 && x < 134 + 133 && y < 81) {
                // Sample at the centre of each destination pixel.
                const int sx = int((x - 134 + 0.5) * 303.0 / 133.0);
                const int sy = int((y + 0.5) * 183.0 / 81.0);
                expected = stage.pixel(sx, sy);
            }
            if (strip.pixel(x, y) != expected && ++wrong <= 5)
                FAIL_CHECK("pixel " << x << "," << y);
        }
    CHECK(wrong == 0);
}

TEST_CASE("stretchedMaskAndSpriteShareOneGrid")
{
    // The hidden character squeezed 82 x 67 -> 92 x 42: every pixel where the
    // stretched mask is white keeps the background, since the sprite is black there.
    Image sheet(82, 134);
    for (int y = 0; y < 67; ++y)
        for (int x = 0; x < 82; ++x) {
            const bool shape = (x * 7 + y * 3) % 5 != 0;
            sheet.setPixel(x, y, shape ? Image::rgb(249, 205, 138) : black);
            sheet.setPixel(x, y + 67, shape ? black : white);
        }
    Image strip = numbered(450, 60, 9);
    const Image before = strip;
    StretchBlt(&strip, 345, 6, 92, 42, &sheet, 0, 67, 82, 67, RasterOp::SrcAnd);
    StretchBlt(&strip, 345, 6, 92, 42, &sheet, 0, 0, 82, 67, RasterOp::SrcPaint);
    int wrong = 0;
    for (int y = 0; y < 42; ++y)
        for (int x = 0; x < 92; ++x) {
            const int sx = int((x + 0.5) * 82 / 92), sy = int((y + 0.5) * 67 / 42);
            const bool shape = sheet.pixel(sx, sy + 67) == black;
            const std::uint32_t expected = shape ? sheet.pixel(sx, sy) : before.pixel(345 + x, 6 + y);
            if (strip.pixel(345 + x, 6 + y) != expected && ++wrong <= 5)
                FAIL_CHECK("cell pixel " << x << "," << y);
        }
    CHECK(wrong == 0);
}

TEST_CASE("stretchClipsAtEveryEdge")
{
    Image source = numbered(20, 20, 4);
    Image destination = filled(10, 10, Image::rgb(9, 9, 9));
    StretchBlt(&destination, -5, -5, 40, 40, &source, 0, 0, 20, 20, RasterOp::SrcCopy);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            INFO(x << "," << y);
            CHECK(destination.pixel(x, y) == source.pixel((x + 5) / 2, (y + 5) / 2));
        }
    Image untouched = filled(10, 10, Image::rgb(9, 9, 9));
    StretchBlt(&untouched, 0, 0, 10, 10, &source, 40, 0, 20, 20, RasterOp::SrcCopy);
    CHECK(untouched == filled(10, 10, Image::rgb(9, 9, 9)));
}

// Rectangles out at the ends of the 32-bit range clip to nothing: no pixel
// changes, nothing outside either picture is read, and no sum on the way
// overflows (the sanitizer build would report it).
TEST_CASE("farOffRectanglesChangeNothing")
{
    constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    // x, y, width, height into the picture; x, y, width, height of the source.
    struct Row { const char *name; int r[8]; };
    const Row rows[] = {
        { "source at the top end", { 0, 0, 10, 10, hi, hi, 10, 10 } },
        { "source at the bottom end", { 0, 0, 10, 10, lo, lo, 10, 10 } },
        { "source past the end, huge", { 2, 2, hi, hi, hi, 0, hi, hi } },
        { "huge, ending left of the picture", { lo, lo, hi, hi, 0, 0, hi, hi } },
        { "destination at the top end", { hi, hi, hi, hi, 0, 0, 10, 10 } },
    };
    for (const Row &row : rows) {
        const int *r = row.r;
        Image source = numbered(24, 16, 7);
        const Image before = numbered(36, 28, 3);
        for (RasterOp op : { RasterOp::SrcCopy, RasterOp::SrcAnd, RasterOp::SrcPaint }) {
            INFO(row.name << ", op " << unsigned(op));
            Image destination = before;
            BitBlt(&destination, r[0], r[1], r[2], r[3], &source, r[4], r[5], op);
            CHECK(destination == before);
            StretchBlt(&destination, r[0], r[1], r[2], r[3], &source, r[4], r[5], r[6], r[7], op);
            CHECK(destination == before);
        }
    }
}
