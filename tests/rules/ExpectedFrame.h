// Zubrik: the main picture as it should look, composed by the tests on their own from the sheets.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "PictureFiles.h"

#include "platform/Image.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

// What a frame is drawn from: the fields the picture depends on, taken at the
// moment the game is supposed to have drawn.
struct FrameInputs
{
    std::int32_t charFrameX = 0;
    int stage = 0; // index of the stage picture
    double charY = 120;
    std::int16_t shadowFrameX = 92;
    std::int16_t paused = 0;
    int interval = 20;

    bool operator==(const FrameInputs &o) const
    {
        return charFrameX == o.charFrameX && stage == o.stage && charY == o.charY
            && shadowFrameX == o.shadowFrameX && paused == o.paused && interval == o.interval;
    }
    bool operator!=(const FrameInputs &o) const { return !(*this == o); }
};

// Deliberately written apart from the game's compositor, its raster copies and
// its embedded pictures: plain loops over the PNG files of the source tree,
// one pixel at a time.
class ExpectedFrame
{
public:
    ExpectedFrame()
    {
        for (int i = 0; i < 4; ++i)
            m_stages[std::size_t(i)] = PictureFiles::load("bg" + std::to_string(i));
        m_niku = PictureFiles::load("niku");
        m_nikuK = PictureFiles::load("nikuk");
        m_kage = PictureFiles::load("kage");
        m_moji = PictureFiles::load("moji");
    }

    Image compose(const FrameInputs &in) const
    {
        Image frame = m_stages.at(std::size_t(in.stage));
        // Pic is the stage's size; its centre, in pixels, is not rounded.
        const double cx = frame.width() / 2.0;
        const double cy = frame.height() / 2.0;
        masked(frame, near(cx - 46), 152, m_kage, in.shadowFrameX, 92, 16);
        if (in.charFrameX == 276)
            masked(frame, near(cx - 41), near(in.charY - 25), m_nikuK, 0, 82, 67);
        else
            masked(frame, near(cx - 46), near(in.charY), m_niku, in.charFrameX, 92, 42);
        if (in.interval == 150)
            put(frame, 10, 10, m_moji, 0, 0, 70, 15, Op::Copy);
        if (in.paused == 1)
            masked(frame, near(cx - 35), near(cy - 10), m_moji, 70, 70, 20);
        return frame;
    }

private:
    enum class Op { Copy, And, Or };

    // Nearest, ties to even; far-off positions stay far off.
    static std::int64_t near(double v) { return std::llrint(std::fmax(-1e12, std::fmin(1e12, v))); }

    // The mask cell lies right below its sprite cell.
    static void masked(Image &dst, std::int64_t x, std::int64_t y, const Image &sheet, int cellX,
                       int w, int h)
    {
        put(dst, x, y, sheet, cellX, h, w, h, Op::And);
        put(dst, x, y, sheet, cellX, 0, w, h, Op::Or);
    }

    static void put(Image &dst, std::int64_t x, std::int64_t y, const Image &src, int sx, int sy,
                    int w, int h, Op op)
    {
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                const std::int64_t dx = x + i, dy = y + j;
                const int fx = sx + i, fy = sy + j;
                if (dx < 0 || dy < 0 || dx >= dst.width() || dy >= dst.height() || fx < 0
                    || fy < 0 || fx >= src.width() || fy >= src.height())
                    continue;
                const std::uint32_t s = src.pixel(fx, fy) & 0xffffff;
                const std::uint32_t d = dst.pixel(int(dx), int(dy)) & 0xffffff;
                const std::uint32_t out = op == Op::Copy ? s : op == Op::And ? (d & s) : (d | s);
                dst.setPixel(int(dx), int(dy), 0xff000000 | out);
            }
        }
    }

    std::array<Image, 4> m_stages;
    Image m_niku, m_nikuK, m_kage, m_moji;
};

// Where two pictures first differ, for a failure to show; empty when they are
// the same pixel for pixel.
inline std::string firstDifference(const Image &actual, const Image &expected)
{
    char text[96];
    if (actual.width() != expected.width() || actual.height() != expected.height()) {
        std::snprintf(text, sizeof text, "size %dx%d, expected %dx%d", actual.width(),
                      actual.height(), expected.width(), expected.height());
        return text;
    }
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                std::snprintf(text, sizeof text, "pixel %d,%d is %08x, expected %08x", x, y,
                              unsigned(actual.pixel(x, y)), unsigned(expected.pixel(x, y)));
                return text;
            }
    return {};
}
