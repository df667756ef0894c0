// Zubrik: tests of the shipped pictures: sizes, cells, masks and colours.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include <QtTest>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <algorithm>
#include <functional>

namespace {

constexpr QRgb kBlack = 0xff000000u;
constexpr QRgb kWhite = 0xffffffffu;
constexpr QRgb kRed = 0xffff0000u;
constexpr QRgb kShadowGrey = 0xffc0c0c0u;

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

QImage picture(const QString &name)
{
    return QImage(QStringLiteral(":/pictures/") + name).convertToFormat(QImage::Format_RGB32);
}

// Every colour in a rectangle, to check that named colours are present.
QSet<QRgb> coloursIn(const QImage &image, const QRect &r)
{
    QSet<QRgb> found;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

// The box around every pixel of `r` that satisfies `match`.
QRect boxOf(const QImage &image, const QRect &r, const std::function<bool(QRgb)> &match)
{
    QRect box;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (match(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

struct Cell
{
    const char *sheet;
    QRect sprite;
    QRect mask;
};

const Cell kMaskedCells[] = {
    {"niku.png", {0, 0, 92, 42}, {0, 42, 92, 42}},     {"niku.png", {92, 0, 92, 42}, {92, 42, 92, 42}},
    {"niku.png", {184, 0, 92, 42}, {184, 42, 92, 42}}, {"nikuk.png", {0, 0, 82, 67}, {0, 67, 82, 67}},
    {"kage.png", {0, 0, 92, 16}, {0, 16, 92, 16}},     {"kage.png", {92, 0, 92, 16}, {92, 16, 92, 16}},
    {"kage.png", {184, 0, 92, 16}, {184, 16, 92, 16}}, {"moji.png", {70, 0, 70, 20}, {70, 20, 70, 20}},
};
const char *const kCellNames[] = {"character 0", "character 1",    "character 2",   "hidden character",
                                  "medium shadow", "large shadow", "small shadow", "pause overlay"};

bool isSky(QRgb c)
{
    return c == rgb(64, 0, 255) || c == rgb(0, 128, 255) || c == rgb(96, 160, 255)
        || c == rgb(160, 192, 255) || c == rgb(128, 255, 255);
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizesAndFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const char *bg : {"bg0.png", "bg1.png", "bg2.png", "bg3.png"})
            QTest::newRow(bg) << QString::fromLatin1(bg) << QSize(303, 183);
        QTest::newRow("niku") << QStringLiteral("niku.png") << QSize(276, 84);
        QTest::newRow("nikuk") << QStringLiteral("nikuk.png") << QSize(82, 134);
        QTest::newRow("kage") << QStringLiteral("kage.png") << QSize(276, 32);
        QTest::newRow("moji") << QStringLiteral("moji.png") << QSize(140, 40);
        QTest::newRow("icon32") << QStringLiteral("icon32.png") << QSize(32, 32);
        QTest::newRow("icon48") << QStringLiteral("icon48.png") << QSize(48, 48);
    }
    void sizesAndFormat()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage raw(QStringLiteral(":/pictures/") + name);
        QVERIFY2(!raw.isNull(), qPrintable(name));
        QCOMPARE(raw.size(), size);
        // Palette pictures with no transparency: masks do that job.
        QCOMPARE(raw.format(), QImage::Format_Indexed8);
        QVERIFY(!raw.hasAlphaChannel());
        const QImage argb = raw.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                QCOMPARE(qAlpha(argb.pixel(x, y)), 255);
    }

    // Masks pure black and white, sprites black wherever the mask is white,
    // and the mask's black part spanning exactly the shape's extent.
    void maskRuleAndExtents_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QRect>("extent");
        const QRect extents[] = {{0, 0, 92, 42},  {0, 0, 92, 42}, {0, 0, 92, 41}, {0, 0, 82, 67},
                                 {11, 2, 70, 11}, {0, 0, 92, 16}, {25, 5, 39, 7}, {10, 1, 51, 18}};
        for (int k = 0; k < 8; ++k)
            QTest::newRow(kCellNames[k]) << k << extents[k];
    }
    void maskRuleAndExtents()
    {
        QFETCH(int, cell);
        QFETCH(QRect, extent);
        const Cell &c = kMaskedCells[cell];
        const QImage sheet = picture(QString::fromLatin1(c.sheet));
        for (int y = 0; y < c.mask.height(); ++y)
            for (int x = 0; x < c.mask.width(); ++x) {
                const QRgb m = sheet.pixel(c.mask.x() + x, c.mask.y() + y);
                QVERIFY2(m == kBlack || m == kWhite, qPrintable(QStringLiteral("mask %1,%2").arg(x).arg(y)));
                if (m == kWhite)
                    QCOMPARE(sheet.pixel(c.sprite.x() + x, c.sprite.y() + y), kBlack);
            }
        const QRect box = boxOf(sheet, c.mask, [](QRgb p) { return p == kBlack; });
        QCOMPARE(box.translated(-c.mask.topLeft()), extent);
    }

    void characterColours_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QList<QRgb>>("named");
        QTest::newRow("manga meat") << 0 << QList<QRgb>{rgb(156, 0, 0), rgb(132, 132, 132), kWhite};
        QTest::newRow("beef") << 1 << QList<QRgb>{rgb(255, 41, 41), rgb(233, 41, 41), kWhite};
        QTest::newRow("drumstick") << 2 << QList<QRgb>{rgb(214, 99, 0)};
        QTest::newRow("hidden") << 3
                                << QList<QRgb>{rgb(249, 205, 138), rgb(225, 190, 122), rgb(223, 0, 41),
                                               kWhite, kBlack};
        QTest::newRow("pause") << 7 << QList<QRgb>{kRed, kWhite};
    }
    void characterColours()
    {
        QFETCH(int, cell);
        QFETCH(QList<QRgb>, named);
        const Cell &c = kMaskedCells[cell];
        const QImage sheet = picture(QString::fromLatin1(c.sheet));
        // Only colours shown through the mask count.
        QSet<QRgb> shown;
        for (int y = 0; y < c.sprite.height(); ++y)
            for (int x = 0; x < c.sprite.width(); ++x)
                if (sheet.pixel(c.mask.x() + x, c.mask.y() + y) == kBlack)
                    shown.insert(sheet.pixel(c.sprite.x() + x, c.sprite.y() + y));
        for (const QRgb colour : named)
            QVERIFY2(shown.contains(colour), qPrintable(QString::number(colour, 16)));
    }

    // One flat grey, exactly where the mask is black, shaped as an ellipse:
    // one run per row, mirrored left-right and top-bottom, widest mid-way.
    void shadowsAreFlatEllipses_data()
    {
        QTest::addColumn<int>("cell");
        QTest::newRow("medium") << 4;
        QTest::newRow("large") << 5;
        QTest::newRow("small") << 6;
    }
    void shadowsAreFlatEllipses()
    {
        QFETCH(int, cell);
        const Cell &c = kMaskedCells[cell];
        const QImage sheet = picture(QStringLiteral("kage.png"));
        QList<QPair<int, int>> runs;
        for (int y = 0; y < c.sprite.height(); ++y) {
            int first = -1, last = -1, count = 0;
            for (int x = 0; x < c.sprite.width(); ++x) {
                const QRgb s = sheet.pixel(c.sprite.x() + x, c.sprite.y() + y);
                const bool masked = sheet.pixel(c.mask.x() + x, c.mask.y() + y) == kBlack;
                QCOMPARE(s == kShadowGrey, masked);
                QVERIFY(s == kShadowGrey || s == kBlack);
                if (masked) {
                    first = first < 0 ? x : first;
                    last = x;
                    ++count;
                }
            }
            if (count > 0) {
                QCOMPARE(count, last - first + 1);
                runs.append({first, last});
            }
        }
        QVERIFY(!runs.isEmpty());
        for (int k = 0; k < runs.size(); ++k) {
            const auto &a = runs[k];
            const auto &mirror = runs[runs.size() - 1 - k];
            QCOMPARE(a, mirror);
            QCOMPARE(a.first + a.second, runs[runs.size() / 2].first + runs[runs.size() / 2].second);
            if (k > 0 && k <= runs.size() / 2)
                QVERIFY(a.second - a.first >= runs[k - 1].second - runs[k - 1].first);
        }
    }

    void textSprites()
    {
        const QImage moji = picture(QStringLiteral("moji.png"));
        // The replay caption is copied opaque: red ground, white letters.
        int white = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 70; ++x) {
                const QRgb p = moji.pixel(x, y);
                QVERIFY(p == kRed || p == kWhite);
                white += p == kWhite;
            }
        QVERIFY2(white > 40 && white < 70 * 15 / 3, qPrintable(QString::number(white)));
        QCOMPARE(coloursIn(moji, QRect(0, 15, 70, 25)), QSet<QRgb>{kWhite});
        // Every red letter pixel is rimmed by white before the transparent part.
        for (int y = 0; y < 20; ++y)
            for (int x = 70; x < 140; ++x) {
                if (moji.pixel(x, y) != kRed)
                    continue;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        QVERIFY(moji.pixel(x + dx, y + dy) == kRed || moji.pixel(x + dx, y + dy) == kWhite);
            }
    }

    void daySkyBands_data()
    {
        QTest::addColumn<QString>("stage");
        QTest::addColumn<QList<int>>("firstRows"); // first row of each band, then the last sky row checked
        QTest::newRow("grassland") << QStringLiteral("bg0.png") << QList<int>{0, 14, 27, 41, 53, 129};
        QTest::newRow("desert") << QStringLiteral("bg1.png") << QList<int>{0, 12, 25, 39, 51, 116};
    }
    void daySkyBands()
    {
        QFETCH(QString, stage);
        QFETCH(QList<int>, firstRows);
        const QImage bg = picture(stage);
        const QRgb bands[] = {rgb(64, 0, 255), rgb(0, 128, 255), rgb(96, 160, 255), rgb(160, 192, 255),
                              rgb(128, 255, 255)};
        for (int band = 0; band < 5; ++band) {
            const int last = band < 4 ? firstRows[band + 1] - 1 : firstRows[5];
            for (int y = firstRows[band]; y <= last; ++y)
                for (const int x : {0, 100})
                    QVERIFY2(bg.pixel(x, y) == bands[band], qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }

    void grassland()
    {
        const QImage bg = picture(QStringLiteral("bg0.png"));
        // The hills rise from row 130 and fill the bottom; nothing but sky above.
        const QRect land = boxOf(bg, QRect(0, 0, 200, 183), [](QRgb p) { return !isSky(p); });
        QCOMPARE(land.top(), 130);
        QVERIFY(coloursIn(bg, QRect(0, 130, 303, 53)).contains(rgb(0, 192, 64)));
        for (int x = 0; x < 303; ++x)
            QVERIFY(!isSky(bg.pixel(x, 182)));
        // The brown trunk, and the crown reaching up to row 30.
        const QRect trunk = boxOf(bg, bg.rect(), [](QRgb p) {
            return qRed(p) > qGreen(p) && qGreen(p) > qBlue(p);
        });
        QCOMPARE(trunk, QRect(QPoint(247, 79), QPoint(284, 160)));
        QCOMPARE(boxOf(bg, QRect(200, 0, 103, 130), [](QRgb p) { return !isSky(p); }).top(), 30);
    }

    void desert()
    {
        const QImage bg = picture(QStringLiteral("bg1.png"));
        const auto sandy = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 150 && qBlue(p) < 210; };
        // The right-hand dune's crest is the highest sand, at row 117.
        const QRect sand = boxOf(bg, bg.rect(), sandy);
        QCOMPARE(sand.top(), 117);
        QVERIFY(boxOf(bg, QRect(151, 0, 152, 183), sandy).top() == 117);
        QCOMPARE(sand.bottom(), 182);
        const QSet<QRgb> colours = coloursIn(bg, bg.rect());
        QVERIFY(colours.contains(rgb(255, 239, 123)));
        QVERIFY(colours.contains(rgb(247, 255, 198)));
    }

    void space()
    {
        const QImage bg = picture(QStringLiteral("bg2.png"));
        const auto reddish = [](QRgb p) { return qRed(p) > qGreen(p) + 40 && qRed(p) > qBlue(p) + 40; };
        QCOMPARE(boxOf(bg, QRect(230, 0, 73, 60), reddish), QRect(QPoint(273, 7), QPoint(294, 27)));
        const auto bluish = [](QRgb p) { return qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p); };
        const QRect planet = boxOf(bg, bg.rect(), bluish);
        QVERIFY2(planet.top() >= 120 && planet.top() <= 128, qPrintable(QString::number(planet.top())));
        QCOMPARE(planet.left(), 0);
        QCOMPARE(planet.right(), 302);
        QCOMPARE(planet.bottom(), 182);
        const QSet<QRgb> below = coloursIn(bg, QRect(0, 140, 303, 43));
        QVERIFY(std::any_of(below.begin(), below.end(), [](QRgb p) { return qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 60; }));
        QVERIFY(below.contains(kWhite));
        // Stars are white or pale yellow, one or two pixels each, on black.
        const QRect sky(0, 0, 303, 110);
        int stars = 0;
        for (int y = sky.top(); y <= sky.bottom(); ++y)
            for (int x = sky.left(); x <= sky.right(); ++x) {
                const QRgb p = bg.pixel(x, y);
                if (p == kBlack || reddish(p))
                    continue;
                QVERIFY(qRed(p) > 200 && qGreen(p) > 200);
                ++stars;
                int neighbours = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if ((dx || dy) && bg.rect().contains(x + dx, y + dy) && bg.pixel(x + dx, y + dy) != kBlack)
                            ++neighbours;
                QVERIFY2(neighbours <= 1, qPrintable(QStringLiteral("star cluster at %1,%2").arg(x).arg(y)));
            }
        QVERIFY(stars > 50);
    }

    void ring()
    {
        const QImage bg = picture(QStringLiteral("bg3.png"));
        for (int y = 69; y <= 174; ++y)
            QCOMPARE(bg.pixel(151, y), kWhite);
        QVERIFY(bg.pixel(151, 68) != kWhite);
        QVERIFY(bg.pixel(151, 175) != kWhite);
        const QSet<QRgb> colours = coloursIn(bg, bg.rect());
        QVERIFY(colours.contains(rgb(235, 190, 60)));
        QVERIFY(colours.contains(rgb(0, 0, 190)));
        // The red lettering on the scoreboard, above the mat.
        QVERIFY(coloursIn(bg, QRect(100, 0, 103, 45)).contains(kRed));
    }

    void icons()
    {
        for (const int size : {32, 48}) {
            const QImage icon = picture(QStringLiteral("icon%1.png").arg(size));
            const QSet<QRgb> colours = coloursIn(icon, icon.rect());
            QVERIFY(colours.size() <= 16);
            QVERIFY(colours.contains(kRed));
            QCOMPARE(icon.pixel(size / 2, size - 2), kBlack);
            // A grey bevel along the top and left edges.
            for (int k = 0; k < size; ++k)
                for (const QRgb p : {icon.pixel(k, 0), icon.pixel(0, k)})
                    QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) > 64 && qRed(p) < 255);
        }
    }

    void iconFile()
    {
        QFile file(qEnvironmentVariable("ZUBRIK_SOURCE_DIR") + QStringLiteral("/assets/pictures/zubrik.ico"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName() + QStringLiteral(" (ZUBRIK_SOURCE_DIR)")));
        const QByteArray bytes = file.readAll();
        // The directory: reserved 0, type 1 (icon), two entries of 32 and 48.
        QVERIFY(bytes.size() > 6 + 2 * 16);
        const auto u16 = [&](int at) { return int(uchar(bytes[at])) | int(uchar(bytes[at + 1])) << 8; };
        QCOMPARE(u16(0), 0);
        QCOMPARE(u16(2), 1);
        QCOMPARE(u16(4), 2);
        QCOMPARE(int(uchar(bytes[6])), 32);
        QCOMPARE(int(uchar(bytes[6 + 16])), 48);
        if (!QImageReader::supportedImageFormats().contains("ico"))
            QSKIP("no ico image plugin to decode the images");
        QImageReader reader(file.fileName());
        QCOMPARE(reader.imageCount(), 2);
        for (const int size : {32, 48}) {
            QVERIFY(reader.jumpToImage(size == 32 ? 0 : 1));
            const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(decoded.size(), QSize(size, size));
            const QImage png = picture(QStringLiteral("icon%1.png").arg(size));
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    QCOMPARE(decoded.pixel(x, y), png.pixel(x, y));
        }
    }

    // Laid on a stage with AND then OR, a cell shows its sprite under the
    // mask's black part and leaves every other pixel of the stage alone.
    void maskedCopyOntoStages_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("stage");
        for (int k = 0; k < 8; ++k)
            for (int s = 0; s < 4; ++s)
                QTest::newRow(qPrintable(QStringLiteral("%1 on bg%2").arg(QLatin1String(kCellNames[k])).arg(s)))
                    << k << QStringLiteral("bg%1.png").arg(s);
    }
    void maskedCopyOntoStages()
    {
        QFETCH(int, cell);
        QFETCH(QString, stage);
        const Cell &c = kMaskedCells[cell];
        const QImage sheet = picture(QString::fromLatin1(c.sheet));
        const QImage bg = picture(stage);
        QImage frame = bg;
        const QPoint at(106, cell == 3 ? 95 : 120);
        for (int y = 0; y < c.sprite.height(); ++y)
            for (int x = 0; x < c.sprite.width(); ++x) {
                QRgb p = frame.pixel(at.x() + x, at.y() + y);
                p &= sheet.pixel(c.mask.x() + x, c.mask.y() + y);
                p |= sheet.pixel(c.sprite.x() + x, c.sprite.y() + y);
                frame.setPixel(at.x() + x, at.y() + y, p);
            }
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const QPoint local = QPoint(x, y) - at;
                const bool inCell = QRect(QPoint(0, 0), c.sprite.size()).contains(local);
                const bool shape = inCell && sheet.pixel(c.mask.topLeft() + local) == kBlack;
                const QRgb expected = shape ? sheet.pixel(c.sprite.topLeft() + local) : bg.pixel(x, y);
                if (frame.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
