// Zubrik: tests of the frame drawn into the main picture, pixel by pixel.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

namespace {

QImage sheet(const char *name)
{
    return QImage(QStringLiteral(":/pictures/") + QLatin1String(name))
        .convertToFormat(QImage::Format_RGB32);
}

// One layer of the expected frame: each pixel inside the picture becomes
// (pixel AND mask) OR sprite; a layer without a mask is copied as it is.
void layer(QImage &frame, const QImage &source, QRect sprite, int maskY, QPoint at)
{
    for (int j = 0; j < sprite.height(); ++j)
        for (int i = 0; i < sprite.width(); ++i) {
            const QPoint d = at + QPoint(i, j);
            if (!frame.rect().contains(d))
                continue;
            const QRgb s = source.pixel(sprite.x() + i, sprite.y() + j);
            if (maskY < 0) {
                frame.setPixel(d, s);
            } else {
                const QRgb m = source.pixel(sprite.x() + i, maskY + j);
                frame.setPixel(d, 0xFF000000u | ((frame.pixel(d) & m) | s));
            }
        }
}

struct Expected
{
    const char *stage = "bg0.png";
    int shadowX = 92;
    int characterX = 0; // 276: the hidden character
    QPoint characterAt { 106, 120 };
    bool caption = false;
    bool overlay = false;

    QImage frame() const
    {
        QImage f = sheet(stage).copy(0, 0, 303, 183);
        layer(f, sheet("kage.png"), QRect(shadowX, 0, 92, 16), 16, QPoint(106, 152));
        if (characterX == 276)
            layer(f, sheet("nikuk.png"), QRect(0, 0, 82, 67), 67, characterAt);
        else
            layer(f, sheet("niku.png"), QRect(characterX, 0, 92, 42), 42, characterAt);
        if (caption)
            layer(f, sheet("moji.png"), QRect(0, 0, 70, 15), -1, QPoint(10, 10));
        if (overlay)
            layer(f, sheet("moji.png"), QRect(70, 0, 70, 20), 20, QPoint(116, 82));
        return f;
    }
};

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT

private:
    static void compareFrame(MainWindowDriver &d, const Expected &expected)
    {
        d.form->FrameCompositor();
        QVERIFY(MainWindowDriver::samePixels(d.frame(), expected.frame()));
        // What is on screen is the image, pixel for pixel.
        QVERIFY(MainWindowDriver::samePixels(d.ui().Pic->grab().toImage(), d.frame()));
    }

private Q_SLOTS:
    void startUpFrame()
    {
        MainWindowDriver d;
        QVERIFY(MainWindowDriver::samePixels(d.frame(), Expected().frame()));
    }

    void heightsRoundTiesToEven_data()
    {
        QTest::addColumn<double>("charY");
        QTest::addColumn<int>("drawnAt");
        QTest::newRow("100.5 -> 100") << 100.5 << 100;
        QTest::newRow("101.5 -> 102") << 101.5 << 102;
        QTest::newRow("22.9333") << 22.9333 << 23;
        QTest::newRow("-0.5 -> 0") << -0.5 << 0;
        QTest::newRow("clipped at the top") << -18.7733 << -19;
        QTest::newRow("wholly above") << -60.0 << -60;
    }
    void heightsRoundTiesToEven()
    {
        QFETCH(double, charY);
        QFETCH(int, drawnAt);
        MainWindowDriver d;
        d.state.charY = charY;
        d.state.charFrameX = 92;
        d.state.shadowFrameX = 184;
        Expected e;
        e.characterX = 92;
        e.shadowX = 184;
        e.characterAt = QPoint(106, drawnAt);
        compareFrame(d, e);
    }

    void everyCellAndStage_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("character");
        QTest::addColumn<int>("shadow");
        for (int stage = 0; stage < 4; ++stage)
            for (int character : { 0, 92, 184 })
                QTest::addRow("stage %d character %d", stage, character)
                    << stage << character << (character + 92 * stage) % 276;
    }
    void everyCellAndStage()
    {
        QFETCH(int, stage);
        QFETCH(int, character);
        QFETCH(int, shadow);
        MainWindowDriver d;
        d.state.stageDc = d.form->Bg(std::int16_t(stage))->hDC();
        d.state.charFrameX = character;
        d.state.shadowFrameX = std::int16_t(shadow);
        d.state.charY = 57.25;
        const QByteArray stageFile = "bg" + QByteArray::number(stage) + ".png";
        Expected e;
        e.stage = stageFile.constData();
        e.characterX = character;
        e.shadowX = shadow;
        e.characterAt = QPoint(106, 57);
        compareFrame(d, e);
    }

    void hiddenCharacterIsTallerAndComesFromItsOwnSheet()
    {
        MainWindowDriver d;
        d.state.charFrameX = 276;
        Expected e;
        e.characterX = 276;
        e.characterAt = QPoint(110, 95); // bottom edge level with a normal character's
        compareFrame(d, e);
        d.state.charY = -10;
        e.characterAt = QPoint(110, -35);
        compareFrame(d, e);
    }

    void captionAndOverlay()
    {
        MainWindowDriver d;
        d.form->timer().setInterval(150);
        Expected e;
        e.caption = true;
        compareFrame(d, e);
        d.state.paused = 1;
        e.overlay = true;
        compareFrame(d, e);
        d.form->timer().setInterval(20);
        e.caption = false;
        compareFrame(d, e);
        // Over a character at the same place, the overlay is the top layer.
        d.state.charY = 70;
        e.characterAt = QPoint(106, 70);
        compareFrame(d, e);
    }

    void drawingTwiceGivesTheSamePicture()
    {
        MainWindowDriver d;
        d.state.charY = 33.3;
        d.form->FrameCompositor();
        const QImage first = d.frame().copy();
        d.form->FrameCompositor();
        QVERIFY(MainWindowDriver::samePixels(first, d.frame()));
    }

    void everyTickOfAJumpIsDrawn()
    {
        MainWindowDriver d;
        d.jump();
        for (int tick = 0; tick < 11; ++tick) {
            d.tick();
            Expected e;
            e.shadowX = d.state.shadowFrameX;
            e.characterAt = QPoint(106, int(std::nearbyint(d.state.charY)));
            QVERIFY(MainWindowDriver::samePixels(d.frame(), e.frame()));
        }
        d.tick(); // landing: drawn standing, shadow 92
        QVERIFY(MainWindowDriver::samePixels(d.frame(), Expected().frame()));
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
