// Zubrik: tests of the windows on dense screens: whole-pixel blocks, designed layout, designed text size.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Run by CTest under several screens (see tests/CMakeLists.txt); each run names
// the device-pixel ratio it expects in ZUBRIK_EXPECTED_RATIO.
#include "core/Form1.h"
#include "core/GameState.h"
#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "ending/Form4.h"
#include "MainWindowDriver.h"
#include "platform/CommandButton.h"
#include "platform/Design.h"
#include "platform/ImageBox.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/qt/Application.h"
#include "platform/qt/FontSetup.h"
#include "platform/qt/QtToolkit.h"

#include <QFontInfo>
#include <QScreen>
#include <QSet>
#include <QtTest>
#include <cmath>

namespace {

// The device pixel where a logical pixel starts.
int firstDevicePixel(int pixel, double ratio)
{
    return int(std::floor(pixel * ratio));
}

// The first mismatch of a shown picture against its source, or an empty string.
// At a whole ratio every source pixel must be an exact ratio x ratio block.
// At a fractional one (only when forced past the rounding) each device pixel
// must have the colour of one of the source pixels it overlaps: never blended.
QString compareShown(const QImage &shown, QPoint at, const QImage &source, double ratio)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    const QImage dev = shown.convertToFormat(QImage::Format_RGB32);
    const int devWidth = int(std::ceil(src.width() * ratio));
    const int devHeight = int(std::ceil(src.height() * ratio));
    const QPoint origin(firstDevicePixel(at.x(), ratio), firstDevicePixel(at.y(), ratio));
    if (origin.x() + devWidth > dev.width() || origin.y() + devHeight > dev.height())
        return QStringLiteral("picture of %1x%2 does not fit the grab").arg(devWidth).arg(devHeight);
    for (int y = 0; y < devHeight; ++y) {
        for (int x = 0; x < devWidth; ++x) {
            const QRgb got = dev.pixel(origin + QPoint(x, y)) & 0xFFFFFFu;
            // Source pixels overlapping device pixel [x, x + 1) x [y, y + 1).
            const int sx0 = int(std::floor(x / ratio));
            const int sx1 = std::min(src.width() - 1, int(std::ceil((x + 1) / ratio)) - 1);
            const int sy0 = int(std::floor(y / ratio));
            const int sy1 = std::min(src.height() - 1, int(std::ceil((y + 1) / ratio)) - 1);
            bool matched = false;
            for (int sy = sy0; sy <= sy1 && !matched; ++sy)
                for (int sx = sx0; sx <= sx1 && !matched; ++sx)
                    matched = (src.pixel(sx, sy) & 0xFFFFFFu) == got;
            if (!matched)
                return QStringLiteral("device pixel (%1, %2) is #%3, not picture pixel (%4, %5)")
                    .arg(x).arg(y).arg(got, 6, 16, QLatin1Char('0')).arg(sx0).arg(sy0);
        }
    }
    return QString();
}

// For a picture shrunk or stretched to its widget, where no source pixel maps
// to a whole block: each logical pixel of the widget must still be one block of
// one colour of the picture (at a fractional ratio: each device pixel such a colour).
QString compareBlocks(const QImage &shown, QRect widget, const QImage &source, double ratio)
{
    QSet<QRgb> colours;
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            colours.insert(src.pixel(x, y) & 0xFFFFFFu);
    const QImage dev = shown.convertToFormat(QImage::Format_RGB32);
    const int whole = ratio == std::floor(ratio) ? int(ratio) : 1;
    const QRect device(firstDevicePixel(widget.x(), ratio), firstDevicePixel(widget.y(), ratio),
                       int(widget.width() * ratio), int(widget.height() * ratio));
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x) {
            const QRgb got = dev.pixel(x, y) & 0xFFFFFFu;
            const QPoint blockStart = device.topLeft()
                + QPoint((x - device.left()) / whole * whole, (y - device.top()) / whole * whole);
            if (!colours.contains(got) || got != (dev.pixel(blockStart) & 0xFFFFFFu))
                return QStringLiteral("device pixel (%1, %2) is #%3")
                    .arg(x).arg(y).arg(got, 6, 16, QLatin1Char('0'));
        }
    return QString();
}

int colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    return int(colours.size());
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

public:
    static void initMain() { Application::setUpScreenScaling(); }

private Q_SLOTS:
    void initTestCase()
    {
        bool ok = false;
        m_ratio = qEnvironmentVariable("ZUBRIK_EXPECTED_RATIO").toDouble(&ok);
        QVERIFY2(ok && m_ratio >= 1, "ZUBRIK_EXPECTED_RATIO must name the expected ratio");
        FontSetup::install();
    }

    void screenScaleIsRoundedAsPromised()
    {
        QCOMPARE(QGuiApplication::highDpiScaleFactorRoundingPolicy(),
                 Qt::HighDpiScaleFactorRoundingPolicy::Round);
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), m_ratio);
    }

    void mainWindowKeepsItsDesignedLayout()
    {
        GameState state;
        Form1 form(state);
        form.show();
        QWidget *window = QtToolkit::window(form);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->devicePixelRatio(), m_ratio);
        // 303 wide once the stage is fitted, 247 high as designed.
        QCOMPARE(window->size(), QSize(303, 247));
        const QPixmap shot = window->grab();
        QCOMPARE(shot.devicePixelRatio(), m_ratio);
        QCOMPARE(shot.size(), QSize(qRound(303 * m_ratio), qRound(247 * m_ratio)));
        QCOMPARE(QtToolkit::widget(form.Cmd_jump)->geometry(), QRect(112, 192, 81, 25));
        QCOMPARE(form.Cmd_jump.left(), 1680.f);
        QCOMPARE(QtToolkit::widget(form.Lbl_count)->geometry(), QRect(240, 224, 49, 17));
        QCOMPARE(QtToolkit::widget(form.Pic)->geometry(), QRect(0, 0, 303, 183));
    }

    void gamePictureIsShownInWholePixelBlocks()
    {
        GameState state;
        Form1 form(state);
        form.show();
        QWidget *window = QtToolkit::window(form);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Mid-air, so the frame holds stage, shadow and character.
        form.Cmd_jump_Click();
        for (int tick = 0; tick < 4; ++tick)
            form.Timer_Timer();
        const QImage picture = MainWindowDriver::toQImage(form.Pic.image());
        QVERIFY(colourCount(picture) > 8);
        const QString mismatch =
            compareShown(window->grab().toImage(), QtToolkit::widget(form.Pic)->pos(), picture, m_ratio);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    void iconIsShownInWholePixelBlocks()
    {
        // The 48-pixel icon in a borderless picture box that takes its size,
        // on a window of 64 pixels.
        FormDesign design;
        design.name = "IconWindow";
        design.width = 64 * 15;
        design.height = 64 * 15;
        ControlDesign box;
        box.kind = ControlKind::PictureBox;
        box.name = "Icon";
        box.left = 8 * 15;
        box.top = 8 * 15;
        box.borderStyle = 0;
        box.autoSize = true;
        box.picture = "icon48";
        design.controls.push_back(box);
        Form form(design);
        form.show();
        QWidget *window = QtToolkit::window(form);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QWidget *icon = QtToolkit::widget(form.pictureBox("Icon"));
        QCOMPARE(icon->size(), QSize(48, 48));
        const QImage source = MainWindowDriver::shipped("icon48");
        QCOMPARE(source.size(), QSize(48, 48));
        const QString mismatch = compareShown(window->grab().toImage(), icon->pos(), source, m_ratio);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    void dialogsShowStripsAndIconsInWholePixelBlocks()
    {
        GameState state;
        state.hiddenMode = 1; // all four choices in the strips
        Form1 main(state);
        Form2 characters(main);
        Form3 stages(main);
        Form4 ending(main);
        const QImage icon = MainWindowDriver::shipped("icon48");
        QCOMPARE(icon.size(), QSize(48, 48));
        for (Form *form : { static_cast<Form *>(&characters), static_cast<Form *>(&stages),
                            static_cast<Form *>(&ending) }) {
            form->show();
            QWidget *dialog = QtToolkit::window(*form);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QImage shot = dialog->grab().toImage();
            const QString name = QString::fromStdString(form->name());
            QList<const QWidget *> images;
            for (const auto &control : form->controls()) {
                const QWidget *widget = QtToolkit::widget(*control);
                if (control->kind() == ControlKind::ImageBox)
                    images << widget;
                const auto *box = dynamic_cast<const PictureBox *>(control.get());
                if (!box)
                    continue;
                const QImage strip = MainWindowDriver::toQImage(box->image());
                QVERIFY(colourCount(strip) > 8);
                const QString mismatch = compareShown(shot, widget->mapTo(dialog, QPoint(0, 0)), strip, m_ratio);
                QVERIFY2(mismatch.isEmpty(), qPrintable(name + QStringLiteral(" strip: ") + mismatch));
            }
            QCOMPARE(images.size(), 1);
            for (const QWidget *image : images) {
                const QRect at(image->mapTo(dialog, QPoint(0, 0)), image->size());
                const QString mismatch = image->size() == icon.size()
                    ? compareShown(shot, at.topLeft(), icon, m_ratio)
                    : compareBlocks(shot, at, icon, m_ratio);
                QVERIFY2(mismatch.isEmpty(), qPrintable(name + QStringLiteral(" icon: ") + mismatch));
            }
            dialog->hide();
        }
    }

    void textKeepsItsDesignedPixelSize()
    {
        GameState state;
        Form1 form(state);
        // 12 pixels whatever the screen's dpi: a 9-point font sized by points
        // would come out at 9 pixels on a 1.5 screen rounded up to 2 (72 dpi).
        QCOMPARE(QFontInfo(QApplication::font()).pixelSize(), 12);
        QCOMPARE(QFontInfo(QtToolkit::widget(form.Cmd_jump)->font()).pixelSize(), 12);
        QCOMPARE(QFontInfo(QtToolkit::widget(form.Lbl_count)->font()).pixelSize(), 12);
    }

private:
    double m_ratio = 0;
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
