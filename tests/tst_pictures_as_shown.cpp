// Zubrik: the large icon as the dialogs' image boxes paint it, shrunk to 32 pixels.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"
#include "core/Form1.h"
#include "core/GameState.h"
#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/ImageBox.h"
#include "platform/qt/QtToolkit.h"

#include <QImage>
#include <QWidget>
#include <QtTest>

namespace {

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

// The large icon as a dialog's 32-pixel image box paints it on screen.
QImage shownInDialog(const QString &dialog)
{
    GameState state;
    Form1 main(state);
    const auto grab = [](const ImageBox &icon) {
        return QtToolkit::widget(icon)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    if (dialog == QLatin1String("stage select")) {
        Form3 stages(main);
        return grab(stages.imageBox("Image2", 1));
    }
    Form2 characters(main);
    return grab(characters.imageBox("Image1"));
}

void dialogs()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("character select") << QStringLiteral("character select");
    QTest::newRow("stage select") << QStringLiteral("stage select");
}

} // namespace

class TestPicturesAsShown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The kanji's strokes keep one width everywhere, whatever their shade:
    // every pixel of the kanji lies in a k x k square of it, and where
    // strokes meet they may fill one more row or column but never make a
    // (k + 2) x (k + 2) blob. As the dialogs shrink the large icon, dropping
    // every third row and column, its 3-pixel strokes become the small
    // icon's 2.
    void iconStrokeWidth_data() { dialogs(); }
    void iconStrokeWidth()
    {
        QFETCH(QString, dialog);
        constexpr int width = 2;
        const QImage icon = shownInDialog(dialog);
        QCOMPARE(icon.size(), QSize(32, 32));
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
    void iconInDialogsIsWindowIcon_data() { dialogs(); }
    void iconInDialogsIsWindowIcon()
    {
        QFETCH(QString, dialog);
        const QImage shown = shownInDialog(dialog);
        const QImage small = MainWindowDriver::shipped("icon32");
        QCOMPARE(shown.size(), QSize(32, 32));
        QCOMPARE(small.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QVERIFY2(shown.pixel(x, y) == small.pixel(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestPicturesAsShown)
#include "tst_pictures_as_shown.moc"
