// Zubrik: the main picture as it should look, composed by the tests on their own from the sheets.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>
#include <array>
#include <cmath>
#include <cstdint>

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

// A picture as shipped, assets/pictures/NAME.png, decoded by Qt: never the copy
// embedded in the program, nor the decoder that reads it. The source tree is
// $ZUBRIK_SOURCE_DIR, as CTest sets it for the tests, else the one this
// program was built from (the end-to-end scripts start their tools without it).
inline QImage shippedPicture(const QString &name)
{
    QString source = qEnvironmentVariable("ZUBRIK_SOURCE_DIR");
    if (source.isEmpty())
        source = QStringLiteral(ZUBRIK_SOURCE_DIR);
    return QImage(source + QStringLiteral("/assets/pictures/") + name + QStringLiteral(".png"))
        .convertToFormat(QImage::Format_RGB32);
}

// Deliberately written apart from the game's compositor and its raster copies:
// plain loops over the pictures as shipped, one pixel at a time.
class ExpectedFrame
{
public:
    ExpectedFrame()
    {
        for (int i = 0; i < 4; ++i)
            m_stages[std::size_t(i)] = shippedPicture(QStringLiteral("bg%1").arg(i));
        m_niku = shippedPicture(QStringLiteral("niku"));
        m_nikuK = shippedPicture(QStringLiteral("nikuk"));
        m_kage = shippedPicture(QStringLiteral("kage"));
        m_moji = shippedPicture(QStringLiteral("moji"));
    }

    QImage compose(const FrameInputs &in) const
    {
        QImage frame = m_stages.at(std::size_t(in.stage)).copy();
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

    // True when every picture was found and decoded.
    bool isComplete() const
    {
        for (const QImage &stage : m_stages)
            if (stage.isNull())
                return false;
        return !m_niku.isNull() && !m_nikuK.isNull() && !m_kage.isNull() && !m_moji.isNull();
    }

private:
    enum class Op { Copy, And, Or };

    // Nearest, ties to even; far-off positions stay far off.
    static std::int64_t near(double v) { return std::llrint(std::fmax(-1e12, std::fmin(1e12, v))); }

    // The mask cell lies right below its sprite cell.
    static void masked(QImage &dst, std::int64_t x, std::int64_t y, const QImage &sheet, int cellX,
                       int w, int h)
    {
        put(dst, x, y, sheet, cellX, h, w, h, Op::And);
        put(dst, x, y, sheet, cellX, 0, w, h, Op::Or);
    }

    static void put(QImage &dst, std::int64_t x, std::int64_t y, const QImage &src, int sx, int sy,
                    int w, int h, Op op)
    {
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                const std::int64_t dx = x + i, dy = y + j;
                const int fx = sx + i, fy = sy + j;
                if (dx < 0 || dy < 0 || dx >= dst.width() || dy >= dst.height() || fx < 0
                    || fy < 0 || fx >= src.width() || fy >= src.height())
                    continue;
                const QRgb s = src.pixel(fx, fy) & 0xffffff;
                const QRgb d = dst.pixel(int(dx), int(dy)) & 0xffffff;
                const QRgb out = op == Op::Copy ? s : op == Op::And ? (d & s) : (d | s);
                dst.setPixel(int(dx), int(dy), 0xff000000 | out);
            }
        }
    }

    std::array<QImage, 4> m_stages;
    QImage m_niku, m_nikuK, m_kage, m_moji;
};
