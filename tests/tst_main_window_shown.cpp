// Zubrik: the main window as a real window: Qt's key events into the game's key handler, its focus, what Pic paints.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "ExpectedFrame.h"
#include "MainWindowDriver.h"

#include <QApplication>

namespace {

// A paused jump after the given count, with the window active so that key
// events go where a player's would.
void pausedAt(MainWindowDriver &d, const QString &count)
{
    d.setCounter(count);
    d.shown()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d.shown()));
    d.jump();
    d.tick();
    d.pause();
    QCOMPARE(d.state.paused, std::int16_t(1));
}

// A key as a player types it: to the focused widget, which passes on what it
// has no use for.
void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, key, modifiers);
}

// What Pic shows on screen, rendered now rather than at the next paint.
QImage onScreen(MainWindowDriver &d)
{
    return MainWindowDriver::widget(d.form->Pic)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pause overlay, centred on the 303 x 183 stage: its sprite wherever its mask is black.
bool showsPauseOverlay(const QImage &frame)
{
    static const QImage moji = shippedPicture(QStringLiteral("moji"));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 70; ++x)
            if (moji.pixel(70 + x, 20 + y) == qRgb(0, 0, 0)
                && frame.pixel(116 + x, 82 + y) != moji.pixel(70 + x, y))
                return false;
    return true;
}

} // namespace

class TestMainWindowShown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each Qt key as the game numbers it, seen once by the form although the
    // focused pause button ignores most of them.
    void otherKeysSetTheirOwnCode_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::newRow("Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << 16;
        QTest::newRow("C") << int(Qt::Key_C) << 0 << 67;
        QTest::newRow("7") << int(Qt::Key_7) << 0 << 55;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 112;
        QTest::newRow("keypad 4") << int(Qt::Key_4) << int(Qt::KeypadModifier) << 100;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << 27;
        QTest::newRow("an unknown key") << int(Qt::Key_Launch0) << 0 << 255;
    }
    void otherKeysSetTheirOwnCode()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        MainWindowDriver d;
        pausedAt(d, QStringLiteral("30"));
        d.window().codeEntry = 11645;
        type(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(d.window().codeEntry, code);
        QCOMPARE(d.state.paused, std::int16_t(1));
    }

    // Typed on the real window: every key reaches the form once as a press and
    // once as a release; Space still reaches the focused pause button.
    void theCodeSwitchesHiddenModeOn()
    {
        MainWindowDriver d;
        pausedAt(d, QStringLiteral("31"));
        const Qt::Key code[] = { Qt::Key_Up,   Qt::Key_Up,   Qt::Key_A,    Qt::Key_Right, Qt::Key_B,
                                 Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_A };
        for (Qt::Key key : code)
            type(key);
        QCOMPARE(d.window().codeEntry, 116452336);
        type(Qt::Key_Down); // its release completes the code
        QCOMPARE(d.window().codeEntry, 1164523362);
        QCOMPARE(d.state.hiddenMode, std::int16_t(1));
        QCOMPARE(d.beeps, 1);
        type(Qt::Key_Space);
        QCOMPARE(d.state.paused, std::int16_t(0));
    }

    // The paused frame is painted by the pause click itself, with no turn of
    // the event loop between: a screenshot taken at once shows the overlay.
    void thePauseOverlayIsOnScreenAtOnce()
    {
        MainWindowDriver d;
        d.jump();
        d.tick();
        d.tick();
        d.tick();
        d.pause();
        QCOMPARE(d.state.paused, std::int16_t(1));
        QVERIFY(showsPauseOverlay(onScreen(d)));
    }

    // The real focus follows the game's: the key that activates a button
    // resumes while paused, and jumps again once resumed.
    void focusAfterPauseAndResume()
    {
        MainWindowDriver d;
        d.shown()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.shown()));
        QCOMPARE(QApplication::focusWidget(), d.widget(d.form->Cmd_jump));
        d.jump();
        d.tick();
        d.pause();
        QCOMPARE(QApplication::focusWidget(), d.widget(d.form->Cmd_pause));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(d.state.paused, std::int16_t(0));
        QCOMPARE(QApplication::focusWidget(), d.widget(d.form->Cmd_jump));
        d.tickUntilLanded();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.counter(), QStringLiteral("2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(d.counter(), QStringLiteral("3")); // second press of the flight
    }

    // What the widget paints is the model's image, pixel for pixel: a frame of
    // each kind of layer and of clipping.
    void whatPicPaintsIsItsImage_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("character");
        QTest::addColumn<int>("shadow");
        QTest::addColumn<double>("charY");
        QTest::addColumn<int>("paused");
        QTest::addColumn<int>("interval");
        QTest::newRow("standing") << 0 << 0 << 92 << 120.0 << 0 << 20;
        QTest::newRow("clipped at the top") << 0 << 92 << 184 << -18.7733 << 0 << 20;
        QTest::newRow("stage 3, character 184") << 3 << 184 << 184 << 57.25 << 0 << 20;
        QTest::newRow("hidden character, clipped") << 0 << 276 << 92 << -10.0 << 0 << 20;
        QTest::newRow("caption and overlay") << 2 << 0 << 92 << 70.0 << 1 << 150;
    }
    void whatPicPaintsIsItsImage()
    {
        QFETCH(int, stage);
        QFETCH(int, character);
        QFETCH(int, shadow);
        QFETCH(double, charY);
        QFETCH(int, paused);
        QFETCH(int, interval);
        MainWindowDriver d;
        d.state.stageDc = d.form->Bg(std::int16_t(stage)).hDC();
        d.state.charFrameX = character;
        d.state.shadowFrameX = std::int16_t(shadow);
        d.state.charY = charY;
        d.state.paused = std::int16_t(paused);
        d.form->timer().setInterval(interval);
        d.form->FrameCompositor();
        QVERIFY(MainWindowDriver::samePixels(onScreen(d), d.frame()));
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestMainWindowShown)
#include "tst_main_window_shown.moc"
