// Zubrik: tests of the pictures as the game shows them: squeezed, shrunk, under the palm.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/RasterCopy.h"

#include <QtTest>

#include <QImage>

#include <algorithm>
#include <deque>
#include <vector>

namespace {

constexpr QRgb kBlack = 0xff000000u;
constexpr QRgb kWhite = 0xffffffffu;
constexpr QRgb kStripGrey = 0xffe0e0e0u; // the character select's strip
constexpr QRgb kLips = 0xffdf0029u;

QImage picture(const QString &name)
{
    return QImage(QStringLiteral(":/pictures/") + name).convertToFormat(QImage::Format_RGB32);
}

bool isSky(QRgb c)
{
    return c == qRgb(64, 0, 255) || c == qRgb(0, 128, 255) || c == qRgb(96, 160, 255)
        || c == qRgb(160, 192, 255) || c == qRgb(128, 255, 255);
}

bool isSandy(QRgb p) { return qRed(p) > 200 && qGreen(p) > 150 && qBlue(p) < 210; }

// The palm's striped bark: reds and browns with hardly any blue.
bool isBark(QRgb p) { return qBlue(p) < 30 && qRed(p) > qGreen(p) + 30; }

// The hidden character laid on the grey strip with the character select's
// copies: its 82 x 67 cell squeezed into the fourth 92 x 42 cell at (345, 6),
// or at full size for comparison. Returns the strip and the cell's rectangle.
struct Laid
{
    QImage strip;
    QRect cell;
};

Laid layHiddenCharacter(bool squeezed)
{
    QImage sheet = picture(QStringLiteral("nikuk.png"));
    const QRect cell = squeezed ? QRect(345, 6, 92, 42) : QRect(345, 6, 82, 67);
    QImage strip(450, squeezed ? 57 : 80, QImage::Format_RGB32);
    strip.fill(kStripGrey);
    if (squeezed) {
        RasterCopy::StretchBlt(&strip, cell.x(), cell.y(), cell.width(), cell.height(), &sheet, 0, 67,
                               82, 67, RasterOp::SrcAnd);
        RasterCopy::StretchBlt(&strip, cell.x(), cell.y(), cell.width(), cell.height(), &sheet, 0, 0,
                               82, 67, RasterOp::SrcPaint);
    } else {
        RasterCopy::BitBlt(&strip, cell.x(), cell.y(), 82, 67, &sheet, 0, 67, RasterOp::SrcAnd);
        RasterCopy::BitBlt(&strip, cell.x(), cell.y(), 82, 67, &sheet, 0, 0, RasterOp::SrcPaint);
    }
    return { strip, cell };
}

// Every pixel reachable from the strip's border through non-black pixels,
// stepping to the four neighbours: what the strip's grey floods into.
std::vector<bool> outside(const QImage &image)
{
    const int w = image.width(), h = image.height();
    std::vector<bool> seen(std::size_t(w * h), false);
    std::deque<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || seen[std::size_t(y * w + x)]
            || image.pixel(x, y) == kBlack)
            return;
        seen[std::size_t(y * w + x)] = true;
        todo.push_back({ x, y });
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop_front();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    return seen;
}

// The 8-connected groups of pixels of one colour inside a rectangle, by size.
std::vector<int> groupSizes(const QImage &image, const QRect &r, QRgb colour)
{
    std::vector<bool> done(std::size_t(r.width() * r.height()), false);
    std::vector<int> sizes;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            if (done[std::size_t((y - r.top()) * r.width() + x - r.left())] || image.pixel(x, y) != colour)
                continue;
            int size = 0;
            std::vector<QPoint> stack { { x, y } };
            done[std::size_t((y - r.top()) * r.width() + x - r.left())] = true;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++size;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        if (!r.contains(q) || image.pixel(q) != colour)
                            continue;
                        const std::size_t k = std::size_t((q.y() - r.top()) * r.width() + q.x() - r.left());
                        if (!done[k]) {
                            done[k] = true;
                            stack.push_back(q);
                        }
                    }
            }
            sizes.push_back(size);
        }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

// The kanji is every coloured pixel: neither the black ground nor the grey bevel.
bool isGlyph(QRgb p) { return qRed(p) != qGreen(p) || qGreen(p) != qBlue(p); }

bool allGlyph(const QImage &icon, int x, int y, int k)
{
    if (x < 0 || y < 0 || x + k > icon.width() || y + k > icon.height())
        return false;
    for (int j = y; j < y + k; ++j)
        for (int i = x; i < x + k; ++i)
            if (!isGlyph(icon.pixel(i, j)))
                return false;
    return true;
}

// The large icon as the dialogs' 32-pixel image boxes show it.
QImage shownInDialogs(const QImage &large)
{
    return large.scaled(QSize(32, 32), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

class TestPicturesAsShown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The palm stands in the sand, and the dunes close the bottom of the
    // picture from edge to edge: no sky shows below them.
    void desertGround()
    {
        const QImage bg = picture(QStringLiteral("bg1.png"));
        for (int y = 171; y < bg.height(); ++y)
            for (int x = 0; x < bg.width(); ++x)
                QVERIFY2(!isSky(bg.pixel(x, y)), qPrintable(QStringLiteral("sky at %1,%2").arg(x).arg(y)));
        // The trunk's lowest row of bark rests on sand, not on sky.
        int foot = -1;
        for (int y = 100; y < bg.height(); ++y)
            for (int x = 0; x < bg.width(); ++x)
                if (isBark(bg.pixel(x, y)))
                    foot = y;
        QVERIFY(foot > 100 && foot + 1 < bg.height());
        int barkAtFoot = 0;
        for (int x = 0; x < bg.width(); ++x) {
            if (!isBark(bg.pixel(x, foot)))
                continue;
            ++barkAtFoot;
            QVERIFY2(isSandy(bg.pixel(x, foot + 1)),
                     qPrintable(QStringLiteral("under the trunk at %1,%2").arg(x).arg(foot + 1)));
        }
        QVERIFY2(barkAtFoot >= 3, qPrintable(QString::number(barkAtFoot)));
    }

    // The head's black outline runs all the way round, at full size and as
    // squeezed into the character select, where whole rows drop out: the
    // strip's grey must never touch a coloured pixel of the head.
    void hiddenCharacterOutline_data()
    {
        QTest::addColumn<bool>("squeezed");
        QTest::newRow("full size") << false;
        QTest::newRow("squeezed into the character select") << true;
    }
    void hiddenCharacterOutline()
    {
        QFETCH(bool, squeezed);
        const Laid laid = layHiddenCharacter(squeezed);
        const std::vector<bool> reached = outside(laid.strip);
        const int w = laid.strip.width();
        for (int y = laid.cell.top(); y <= laid.cell.bottom(); ++y)
            for (int x = laid.cell.left(); x <= laid.cell.right(); ++x) {
                const QRgb p = laid.strip.pixel(x, y);
                if (reached[std::size_t(y * w + x)] && p != kStripGrey)
                    QFAIL(qPrintable(QStringLiteral("the outline is open at %1,%2 of the cell")
                                         .arg(x - laid.cell.x())
                                         .arg(y - laid.cell.y())));
            }
    }

    // The face survives the squeeze: a glint on the eye bar over each eye,
    // both lips, and the bar itself, a broad black area away from the rim.
    void hiddenCharacterFace_data() { hiddenCharacterOutline_data(); }
    void hiddenCharacterFace()
    {
        QFETCH(bool, squeezed);
        const Laid laid = layHiddenCharacter(squeezed);
        const QImage &s = laid.strip;
        const QRect cell = laid.cell;

        const std::vector<int> glints = groupSizes(s, cell, kWhite);
        QCOMPARE(int(glints.size()), 2);
        QVERIFY2(glints.front() >= 3, qPrintable(QString::number(glints.front())));
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                if (s.pixel(x, y) != kWhite)
                    continue;
                for (const QPoint d : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) }) {
                    const QRgb n = s.pixel(QPoint(x, y) + d);
                    QVERIFY2(n == kWhite || n == kBlack, qPrintable(QStringLiteral("glint at %1,%2 off the bar")
                                                                        .arg(x - cell.x())
                                                                        .arg(y - cell.y())));
                }
            }

        // Upper and lower lip, parted by the mouth's line.
        const std::vector<int> lips = groupSizes(s, cell, kLips);
        QVERIFY2(lips.size() >= 2, qPrintable(QString::number(lips.size())));
        QVERIFY2(lips[lips.size() - 2] >= 12, qPrintable(QString::number(lips[lips.size() - 2])));

        // Black at least two pixels from the grey all round: the eye bar.
        const std::vector<bool> reached = outside(s);
        const int w = s.width();
        int shape = 0, deepBlack = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                if (s.pixel(x, y) == kStripGrey)
                    continue;
                ++shape;
                if (s.pixel(x, y) != kBlack)
                    continue;
                bool deep = true;
                for (int dy = -2; dy <= 2 && deep; ++dy)
                    for (int dx = -2; dx <= 2 && deep; ++dx)
                        deep = !reached[std::size_t((y + dy) * w + x + dx)];
                deepBlack += deep;
            }
        QVERIFY2(deepBlack * 10 >= shape, qPrintable(QStringLiteral("%1 of %2").arg(deepBlack).arg(shape)));
    }

    // The kanji's strokes keep one width everywhere, whatever their shade:
    // every pixel of the kanji lies in a k x k square of it, and where
    // strokes meet they may fill one more row or column but never make a
    // (k + 2) x (k + 2) blob. That holds at both sizes and for the large icon
    // as the dialogs shrink it, dropping every third row and column.
    void iconStrokeWidth_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shrunk");
        QTest::addColumn<int>("width");
        QTest::newRow("32") << QStringLiteral("icon32.png") << false << 2;
        QTest::newRow("48") << QStringLiteral("icon48.png") << false << 3;
        QTest::newRow("48 shown at 32") << QStringLiteral("icon48.png") << true << 2;
    }
    void iconStrokeWidth()
    {
        QFETCH(QString, name);
        QFETCH(bool, shrunk);
        QFETCH(int, width);
        QImage icon = picture(name);
        if (shrunk)
            icon = shownInDialogs(icon);
        int glyph = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                const QString at = QStringLiteral("%1,%2").arg(x).arg(y);
                QVERIFY2(!allGlyph(icon, x, y, width + 2), qPrintable(QStringLiteral("a blob at ") + at));
                if (!isGlyph(icon.pixel(x, y)))
                    continue;
                ++glyph;
                bool inSquare = false;
                for (int dy = 0; dy < width && !inSquare; ++dy)
                    for (int dx = 0; dx < width && !inSquare; ++dx)
                        inSquare = allGlyph(icon, x - dx, y - dy, width);
                QVERIFY2(inSquare, qPrintable(QStringLiteral("too thin at ") + at));
            }
        QVERIFY(glyph > icon.width() * 4);
    }

    // The dialogs show the large icon in a 32-pixel box; it must come out as
    // the window icon beside it in the title bar, pixel for pixel.
    void iconInDialogsIsWindowIcon()
    {
        const QImage shown = shownInDialogs(picture(QStringLiteral("icon48.png")));
        const QImage small = picture(QStringLiteral("icon32.png"));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QVERIFY2(shown.pixel(x, y) == small.pixel(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
};

QTEST_GUILESS_MAIN(TestPicturesAsShown)
#include "tst_pictures_as_shown.moc"
