// Zubrik: tests of the rectangle copies: per-pixel operations, clipping, stretching.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/RasterCopy.h"

#include <QtTest>
#include <limits>

using RasterCopy::BitBlt;
using RasterCopy::StretchBlt;

namespace {

// An image whose every pixel is distinct, so a shifted copy cannot pass.
QImage numbered(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | ((seed * 2654435761u + quint32(y * width + x) * 40503u) & 0xFFFFFFu));
    return image;
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRgb apply(QRgb dst, QRgb src, RasterOp op)
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
QImage expectedCopy(const QImage &before, int x, int y, int w, int h, const QImage &src, int sx,
                    int sy, RasterOp op)
{
    QImage expected = before.copy();
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const QPoint d(x + i, y + j), s(sx + i, sy + j);
            if (expected.rect().contains(d) && src.rect().contains(s))
                expected.setPixel(d, apply(expected.pixel(d), src.pixel(s), op));
        }
    return expected;
}

} // namespace

Q_DECLARE_METATYPE(RasterOp)

class TestRasterCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bitBltClipsWithoutShifting_data()
    {
        QTest::addColumn<RasterOp>("op");
        QTest::addColumn<QRect>("target");
        QTest::addColumn<QPoint>("sourceAt");
        const QList<QPair<const char *, RasterOp>> ops = { { "copy", RasterOp::SrcCopy },
                                                           { "and", RasterOp::SrcAnd },
                                                           { "or", RasterOp::SrcPaint } };
        for (const auto &op : ops) {
            auto row = [&](const char *name, QRect target, QPoint at) {
                QTest::addRow("%s %s", op.first, name) << op.second << target << at;
            };
            row("inside", QRect(5, 6, 10, 7), QPoint(3, 2));
            row("above the top edge", QRect(4, -9, 12, 20), QPoint(0, 0));
            row("left of the left edge", QRect(-7, 3, 12, 5), QPoint(1, 1));
            row("past right and bottom", QRect(30, 20, 50, 50), QPoint(0, 0));
            row("source larger than picture", QRect(0, 0, 4545, 2745), QPoint(0, 0));
            row("source partly outside", QRect(2, 2, 10, 10), QPoint(18, 12));
            row("source starting left of it", QRect(2, 2, 10, 10), QPoint(-4, -3));
            row("source wholly outside", QRect(0, 0, 92, 42), QPoint(276, 42));
            row("destination wholly outside", QRect(40, 2, 10, 10), QPoint(0, 0));
            row("zero width", QRect(1, 1, 0, 10), QPoint(0, 0));
            row("negative height", QRect(1, 1, 5, -3), QPoint(0, 0));
        }
    }
    void bitBltClipsWithoutShifting()
    {
        QFETCH(RasterOp, op);
        QFETCH(QRect, target);
        QFETCH(QPoint, sourceAt);
        const QImage source = numbered(24, 16, 7);
        QImage destination = numbered(36, 28, 3);
        const QImage expected = expectedCopy(destination, target.x(), target.y(), target.width(),
                                             target.height(), source, sourceAt.x(), sourceAt.y(), op);
        BitBlt(&destination, target.x(), target.y(), target.width(), target.height(),
               const_cast<QImage *>(&source), sourceAt.x(), sourceAt.y(), op);
        QCOMPARE(destination, expected);
    }

    void maskedPairIsExactAndTransparent()
    {
        // A 4 x 2 cell: mask white (background shows) on the left half, black
        // over the shape; the sprite black wherever its mask is white.
        QImage sheet(4, 4, QImage::Format_RGB32);
        const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), red = qRgb(200, 10, 30);
        for (int x = 0; x < 4; ++x) {
            const bool shape = x >= 2;
            sheet.setPixel(x, 0, shape ? (x == 3 ? black : red) : black); // outline pixel black
            sheet.setPixel(x, 1, shape ? red : black);
            sheet.setPixel(x, 2, shape ? black : white);
            sheet.setPixel(x, 3, shape ? black : white);
        }
        QImage background = numbered(6, 5, 11);
        const QImage before = background.copy();
        // Drawn one row above the top edge: only the lower row lands.
        BitBlt(&background, 1, -1, 4, 2, &sheet, 0, 2, RasterOp::SrcAnd);
        BitBlt(&background, 1, -1, 4, 2, &sheet, 0, 0, RasterOp::SrcPaint);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) {
                QRgb expected = before.pixel(x, y);
                if (y == 0 && (x == 3 || x == 4))
                    expected = red; // sheet row 1, shape columns
                QCOMPARE(background.pixel(x, y), expected);
            }
    }

    void copyOntoItselfReadsTheOriginal()
    {
        QImage image = numbered(10, 10, 5);
        const QImage before = image.copy();
        BitBlt(&image, 1, 1, 8, 8, &image, 0, 0, RasterOp::SrcCopy);
        QCOMPARE(image, expectedCopy(before, 1, 1, 8, 8, before, 0, 0, RasterOp::SrcCopy));
    }

    void invalidImagesAreRefused()
    {
        QImage destination = filled(4, 4, qRgb(1, 2, 3));
        QImage indexed(4, 4, QImage::Format_Indexed8);
        QCOMPARE(BitBlt(&destination, 0, 0, 4, 4, nullptr, 0, 0, RasterOp::SrcCopy), 0);
        QCOMPARE(BitBlt(&destination, 0, 0, 4, 4, &indexed, 0, 0, RasterOp::SrcCopy), 0);
        QCOMPARE(destination, filled(4, 4, qRgb(1, 2, 3)));
    }

    void stretchReducesByNearestNeighbour()
    {
        // The stage thumbnail: 303 x 183 down to 133 x 81.
        const QImage stage = numbered(303, 183, 1);
        QImage strip = filled(400, 90, qRgb(224, 224, 224));
        StretchBlt(&strip, 134, 0, 133, 81, const_cast<QImage *>(&stage), 0, 0, 303, 183,
                   RasterOp::SrcCopy);
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 400; ++x) {
                QRgb expected = qRgb(224, 224, 224);
                if (x >= 134 && x < 134 + 133 && y < 81) {
                    // Sample at the centre of each destination pixel.
                    const int sx = int((x - 134 + 0.5) * 303.0 / 133.0);
                    const int sy = int((y + 0.5) * 183.0 / 81.0);
                    expected = stage.pixel(sx, sy);
                }
                QCOMPARE(strip.pixel(x, y), expected);
            }
    }

    void stretchedMaskAndSpriteShareOneGrid()
    {
        // The hidden character squeezed 82 x 67 -> 92 x 42: every pixel where the
        // stretched mask is white keeps the background, since the sprite is black there.
        QImage sheet(82, 134, QImage::Format_RGB32);
        for (int y = 0; y < 67; ++y)
            for (int x = 0; x < 82; ++x) {
                const bool shape = (x * 7 + y * 3) % 5 != 0;
                sheet.setPixel(x, y, shape ? qRgb(249, 205, 138) : qRgb(0, 0, 0));
                sheet.setPixel(x, y + 67, shape ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
        QImage strip = numbered(450, 60, 9);
        const QImage before = strip.copy();
        StretchBlt(&strip, 345, 6, 92, 42, &sheet, 0, 67, 82, 67, RasterOp::SrcAnd);
        StretchBlt(&strip, 345, 6, 92, 42, &sheet, 0, 0, 82, 67, RasterOp::SrcPaint);
        for (int y = 0; y < 42; ++y)
            for (int x = 0; x < 92; ++x) {
                const int sx = int((x + 0.5) * 82 / 92), sy = int((y + 0.5) * 67 / 42);
                const bool shape = sheet.pixel(sx, sy + 67) == qRgb(0, 0, 0);
                const QRgb expected = shape ? sheet.pixel(sx, sy) : before.pixel(345 + x, 6 + y);
                QCOMPARE(strip.pixel(345 + x, 6 + y), expected);
            }
    }

    void stretchClipsAtEveryEdge()
    {
        const QImage source = numbered(20, 20, 4);
        QImage destination = filled(10, 10, qRgb(9, 9, 9));
        StretchBlt(&destination, -5, -5, 40, 40, const_cast<QImage *>(&source), 0, 0, 20, 20,
                   RasterOp::SrcCopy);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                QCOMPARE(destination.pixel(x, y), source.pixel((x + 5) / 2, (y + 5) / 2));
        QImage untouched = filled(10, 10, qRgb(9, 9, 9));
        StretchBlt(&untouched, 0, 0, 10, 10, const_cast<QImage *>(&source), 40, 0, 20, 20,
                   RasterOp::SrcCopy);
        QCOMPARE(untouched, filled(10, 10, qRgb(9, 9, 9)));
    }

    // Rectangles out at the ends of the 32-bit range clip to nothing: no pixel
    // changes, nothing outside either picture is read, and no sum on the way
    // overflows (the sanitizer build would report it).
    void farOffRectanglesChangeNothing_data()
    {
        // x, y, width, height into the picture; x, y, width, height of the source.
        QTest::addColumn<QList<int>>("rects");
        constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
        QTest::newRow("source at the top end") << QList<int> { 0, 0, 10, 10, hi, hi, 10, 10 };
        QTest::newRow("source at the bottom end") << QList<int> { 0, 0, 10, 10, lo, lo, 10, 10 };
        QTest::newRow("source past the end, huge") << QList<int> { 2, 2, hi, hi, hi, 0, hi, hi };
        QTest::newRow("huge, ending left of the picture") << QList<int> { lo, lo, hi, hi, 0, 0, hi, hi };
        QTest::newRow("destination at the top end") << QList<int> { hi, hi, hi, hi, 0, 0, 10, 10 };
    }
    void farOffRectanglesChangeNothing()
    {
        QFETCH(QList<int>, rects);
        const auto r = rects;
        QImage source = numbered(24, 16, 7);
        const QImage before = numbered(36, 28, 3);
        for (RasterOp op : { RasterOp::SrcCopy, RasterOp::SrcAnd, RasterOp::SrcPaint }) {
            QImage destination = before;
            BitBlt(&destination, r[0], r[1], r[2], r[3], &source, r[4], r[5], op);
            QCOMPARE(destination, before);
            StretchBlt(&destination, r[0], r[1], r[2], r[3], &source, r[4], r[5], r[6], r[7], op);
            QCOMPARE(destination, before);
        }
    }
};

QTEST_GUILESS_MAIN(TestRasterCopy)
#include "tst_rastercopy.moc"
