// Zubrik: tests of the character select through the real dialog and the main window's button.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "MainWindowDriver.h"

#include "dialogs/Form2.h"
#include "platform/ImageBox.h"
#include "platform/LineControl.h"
#include "platform/Twips.h"
#include "ui_Form2.h"

#include <QGroupBox>
#include <QSet>

using namespace DialogDriver;

namespace {

constexpr int cellX[] = { 8, 120, 232, 345 }; // pixels in the strip
constexpr int cellY = 6;
constexpr double gravities[] = { 9.8, 10.6, 9, 8.2 };

QPoint cellCentre(int cell) { return { cellX[cell] + 46, cellY + 21 }; }

const QString prompt = QStringLiteral("肉を選択して下さい。");

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::install(); }

    void layout_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::addColumn<float>("strip");
        QTest::addColumn<int>("stripPixels");
        QTest::addColumn<float>("form");
        QTest::addColumn<int>("formPixels");
        QTest::addColumn<float>("lineEnd");
        QTest::newRow("three characters") << short(0) << 5062.5f << 338 << 5382.0f << 359 << 5182.0f;
        QTest::newRow("hidden mode, four") << short(1) << 6750.0f << 450 << 7070.0f << 471 << 6870.0f;
    }
    void layout()
    {
        QFETCH(short, hidden);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form2 dialog(*d.form);
        const Ui::Form2 &ui = dialog.widgets();
        QFETCH(float, strip);
        QFETCH(int, stripPixels);
        QCOMPARE(Twips::width(ui.Picture1), strip);
        // Borderless: the client area, and so the image, is the whole strip.
        QCOMPARE(ui.Picture1->image().size(), QSize(stripPixels, 57));
        QFETCH(float, form);
        QFETCH(int, formPixels);
        QCOMPARE(dialog.formWidth(), form);
        QCOMPARE(dialog.size(), QSize(formPixels, 236));
        QFETCH(float, lineEnd);
        QCOMPARE(ui.Line1->x2(), lineEnd);
        QCOMPARE(Twips::width(ui.Frame1), lineEnd - 120);
        // The separator and the frame end together at the strip's right edge,
        // less the half pixel by which 5062.5 twips round up.
        QCOMPARE(ui.Line1->geometry().right(), ui.Frame1->geometry().right());
        QCOMPARE(ui.Picture1->geometry().right() - ui.Frame1->geometry().right(), hidden ? 0 : 1);

        for (std::int16_t i = 0; i < 4; ++i) {
            const QRect name = dialog.Label1(i)->geometry();
            const double cellCentreX = ui.Picture1->x() + cellX[i] + 46;
            QVERIFY2(std::abs(name.x() + name.width() / 2.0 - cellCentreX) <= 1, qPrintable(dialog.Label1(i)->caption()));
        }
        QCOMPARE(dialog.Label1(3)->x() >= dialog.width(), hidden == 0);
        QCOMPARE(dialog.Label1(3)->caption(), QStringLiteral("キン肉"));
        QCOMPARE(ui.Chara->caption(), prompt);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("肉選択"));
        QCOMPARE(ui.Frame1->title(), QStringLiteral("特徴"));
    }

    // The 48-pixel icon shrunk to 32 keeps its hard pixel edges: no colour
    // appears that the icon does not have.
    void iconNotSmoothed()
    {
        MainWindowDriver d;
        Form2 dialog(*d.form);
        const QImage icon = sheet("icon48");
        QSet<QRgb> colours;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                colours.insert(icon.pixel(x, y));
        const QImage shown = dialog.widgets().Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QVERIFY2(colours.contains(shown.pixel(x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void stripPixels_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::newRow("three characters") << short(0);
        QTest::newRow("hidden mode, four") << short(1);
    }
    void stripPixels()
    {
        QFETCH(short, hidden);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form2 dialog(*d.form);

        const QImage niku = sheet("niku");
        const QImage nikuK = sheet("nikuk");
        QImage expected(hidden ? 450 : 338, 57, QImage::Format_RGB32);
        expected.fill(qRgb(224, 224, 224));
        for (int i = 0; i < 3; ++i)
            paintMasked(expected, { cellX[i], cellY }, niku.copy(92 * i, 0, 92, 42),
                        niku.copy(92 * i, 42, 92, 42));
        if (hidden)
            paintMasked(expected, { cellX[3], cellY }, nearest(nikuK.copy(0, 0, 82, 67), { 92, 42 }),
                        nearest(nikuK.copy(0, 67, 82, 67), { 92, 42 }));
        QVERIFY(MainWindowDriver::samePixels(dialog.widgets().Picture1->image(), expected));
    }

    // Positions in twips of the strip's client area; -1: no cell.
    void hitTest_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("cell");
        for (short hidden : { 0, 1 }) {
            for (int i = 0; i < 3 + hidden; ++i) {
                const float left = i * 1575 + (i + 1) * 112.5f;
                const float right = left + 1380;
                const QByteArray at = (hidden ? "hidden, cell " : "cell ") + QByteArray::number(i);
                QTest::newRow(at + " before left edge") << hidden << left - 7.5f << 400.0f << -1;
                QTest::newRow(at + " on left edge") << hidden << left << 400.0f << -1;
                QTest::newRow(at + " inside left edge") << hidden << left + 7.5f << 400.0f << i;
                QTest::newRow(at + " inside right edge") << hidden << right - 7.5f << 400.0f << i;
                QTest::newRow(at + " on right edge") << hidden << right << 400.0f << -1;
                QTest::newRow(at + " gap after") << hidden << right + 7.5f << 400.0f << -1;
            }
        }
        QTest::newRow("on top band edge") << short(0) << 2500.0f << 97.5f << -1;
        QTest::newRow("below top band edge") << short(0) << 2500.0f << 105.0f << 1;
        QTest::newRow("above bottom band edge") << short(0) << 2500.0f << 750.0f << 1;
        QTest::newRow("on bottom band edge") << short(0) << 2500.0f << 757.5f << -1;
        QTest::newRow("bottom band") << short(0) << 2500.0f << 840.0f << -1;
        // Dragged out past the strip with a button held, the mouse still reports
        // to it: the hidden character's place must stay dead until it is offered.
        QTest::newRow("beyond the strip") << short(0) << 5865.0f << 400.0f << -1;
    }
    void hitTest()
    {
        QFETCH(short, hidden);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, cell);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form2 dialog(*d.form);
        dialog.show();

        dialog.Picture1_MouseMove(Qt::NoButton, Qt::NoModifier, x, y);
        QCOMPARE(dialog.widgets().Chara->caption(), cell < 0 ? prompt : Form2::description(std::int16_t(cell)));
        dialog.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, x, y);
        QCOMPARE(dialog.isLoaded(), cell < 0);
        QCOMPARE(d.state.charFrameX, cell < 0 ? 0 : 92 * cell);
        QCOMPARE(d.state.gravity, cell < 0 ? 9.8 : gravities[cell]);
    }

    void descriptionsStayOverGapsAndBands()
    {
        const QStringList expected {
            QStringLiteral("◆まんが肉\r\nよく漫画に出てくる骨付き肉。\r\n泳ぎが得意なので、水中ステージで有利。"),
            QStringLiteral("◆牛肉\r\n狂牛病のクローン牛肉。\r\nずっしりと重く相手にのしかかる、重量タイプ。"),
            QStringLiteral("◆とり肉\r\n全国の提携農家で育てた国産ハーブ鶏。\r\nパンチ力がある格闘タイプで、肉弾戦が得意。"),
            QStringLiteral("◆キン肉\r\nすべてが謎に包まれている、幻の肉。\r\n「牛丼！牛丼！」と叫ぶ声がたまに聞こえてくる。"),
        };
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        Form2 dialog(*d.form);
        // QTest moves the cursor itself, and the top window under it gets the
        // moves: keep the main window from under the dialog.
        d.form->hide();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        PictureBox *strip = dialog.widgets().Picture1;
        AutoSizeLabel *chara = dialog.widgets().Chara;
        for (int i = 0; i < 4; ++i) {
            QTest::mouseMove(strip, cellCentre(i));
            QCOMPARE(chara->caption(), expected[i]);
            // The whole description fits in the frame.
            QVERIFY(chara->geometry().right() < dialog.widgets().Frame1->width());
            QVERIFY(chara->geometry().bottom() < dialog.widgets().Frame1->height());
            QTest::mouseMove(strip, cellCentre(i) + QPoint(50, 0)); // the gap after the cell
            QTest::mouseMove(strip, cellCentre(i) - QPoint(0, 24)); // the top band
            QTest::mouseMove(strip, cellCentre(i) + QPoint(0, 28)); // the bottom band
            QCOMPARE(chara->caption(), expected[i]);
        }
    }

    void selection_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<double>("gravity");
        QTest::newRow("まんが肉") << 0 << Qt::LeftButton << 9.8;
        QTest::newRow("牛肉") << 1 << Qt::LeftButton << 10.6;
        QTest::newRow("とり肉, right button") << 2 << Qt::RightButton << 9.0;
        QTest::newRow("キン肉, middle button") << 3 << Qt::MiddleButton << 8.2;
    }
    void selection()
    {
        QFETCH(int, cell);
        QFETCH(Qt::MouseButton, button);
        QFETCH(double, gravity);
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        // Start from another character, so that the redraw shows.
        d.state.charFrameX = 92 * ((cell + 1) % 3);
        d.form->FrameCompositor();
        Form2 dialog(*d.form);
        dialog.show();

        QTest::mouseClick(dialog.widgets().Picture1, button, {}, cellCentre(cell));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(d.state.charFrameX, 92 * cell);
        QCOMPARE(d.state.gravity, gravity);
        if (cell == 3)
            QVERIFY(showsSprite(d.frame(), { 110, 95 }, sheet("nikuk"), 0, { 82, 67 }));
        else
            QVERIFY(showsSprite(d.frame(), { 106, 120 }, sheet("niku"), 92 * cell, { 92, 42 }));
    }

    // Dragged out of the strip with a button held, the strip keeps the mouse; a
    // second button pressed there must not pick the character that is not offered.
    void pressBeyondTheStripPicksNothing()
    {
        MainWindowDriver d;
        Form2 dialog(*d.form);
        dialog.show();
        PictureBox *strip = dialog.widgets().Picture1;
        QTest::mousePress(strip, Qt::LeftButton, {}, { 110, 28 }); // the gap: nothing
        QTest::mouseMove(strip, cellCentre(3));
        QTest::mousePress(strip, Qt::RightButton, {}, cellCentre(3));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, cellCentre(3));
        QVERIFY(dialog.isLoaded());
        QCOMPARE(d.state.charFrameX, 0);
        QCOMPARE(dialog.widgets().Chara->caption(), prompt);
    }

    void cancel_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("close box") << false;
    }
    void cancel()
    {
        QFETCH(bool, escape);
        MainWindowDriver d;
        Form2 dialog(*d.form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseMove(dialog.widgets().Picture1, cellCentre(1));
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(!dialog.isLoaded());
        QCOMPARE(d.state.charFrameX, 0);
        QCOMPARE(d.state.gravity, 9.8);
    }

    // The real button: a fresh dialog at each opening, modal, with no owner.
    void openedByTheMainWindow()
    {
        MainWindowDriver d;
        bool seen = false;
        whileShown<Form2>([](Form2 &dialog) {
            QCOMPARE(dialog.width(), 359);
            QVERIFY(dialog.isModal());
            QVERIFY(!dialog.parentWidget());
            dialog.Picture1_MouseMove(Qt::NoButton, {}, 2500, 400);
            QCOMPARE(dialog.widgets().Chara->caption(), Form2::description(1));
            dialog.close();
        }, seen);
        d.click(d.ui().Cmd_nikusel);
        QVERIFY(seen);
        QCOMPARE(d.state.charFrameX, 0);

        d.state.hiddenMode = 1;
        whileShown<Form2>([](Form2 &dialog) {
            QCOMPARE(dialog.width(), 471);
            QCOMPARE(dialog.widgets().Chara->caption(), prompt);
            QTest::mouseClick(dialog.widgets().Picture1, Qt::LeftButton, {}, cellCentre(3));
        }, seen);
        d.click(d.ui().Cmd_nikusel);
        QVERIFY(seen);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(d.state.charFrameX, 276);
        QCOMPARE(d.state.gravity, 8.2);
        QCOMPARE(d.form->focusWidget(), d.ui().Cmd_jump);
        d.jump();
        QCOMPARE(d.tickUntilLanded(), 14); // launch speed 75, gravity 8.2
    }

    // The jump goes on behind the dialog; the new gravity rules from the next tick.
    void chosenDuringAFlight()
    {
        MainWindowDriver d;
        d.jump();
        bool seen = false;
        int ticksBehind = 0;
        whileShown<Form2>([&](Form2 &dialog) {
            QVERIFY(QTest::qWaitFor([&] { return d.window().jumpTime >= 4; }, 5000));
            ticksBehind = d.window().jumpTime / 2;
            QTest::mouseClick(dialog.widgets().Picture1, Qt::LeftButton, {}, cellCentre(2));
        }, seen);
        d.click(d.ui().Cmd_nikusel);
        QVERIFY(seen);
        QVERIFY(ticksBehind >= 2);
        QVERIFY(d.form->timer().enabled());
        const double before = d.state.charY;
        const double t = d.window().jumpTime + 2;
        d.tick();
        QCOMPARE((before - d.state.charY) * 15, 75 * t - 9.0 / 2 * t * t);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
