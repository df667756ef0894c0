// Zubrik: the main window as a real window: Qt's key and mouse events into the game, its focus, what Pic paints.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// The main window active, so that key events go where a player's would.
bool activated(MainWindowDriver &d)
{
    d.shown()->activateWindow();
    return QTest::qWaitForWindowActive(d.shown());
}

// A paused jump after the given count.
void pausedAt(MainWindowDriver &d, const QString &count)
{
    d.setCounter(count);
    QVERIFY(activated(d));
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

// One key event as the window system delivers it, held keys' repeats included.
struct KeyStep
{
    QEvent::Type type;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    bool autoRepeat = false;
};

void deliver(const KeyStep &step)
{
    QKeyEvent event(step.type, step.key, step.modifiers, QString(), step.autoRepeat);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}

// What Pic shows on screen, rendered now rather than at the next paint.
QImage onScreen(MainWindowDriver &d)
{
    return native(d.form->Pic)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pause overlay, centred on the 303 x 183 stage: its sprite wherever its mask is black.
bool showsPauseOverlay(const QImage &frame)
{
    static const QImage moji = MainWindowDriver::shipped("moji");
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 70; ++x)
            if (moji.pixel(70 + x, 20 + y) == qRgb(0, 0, 0)
                && frame.pixel(116 + x, 82 + y) != moji.pixel(70 + x, y))
                return false;
    return true;
}

} // namespace

Q_DECLARE_METATYPE(QList<KeyStep>)

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
        type(Qt::Key_Space);
        QCOMPARE(d.state.paused, std::int16_t(0));
    }

    // The keys the form spends never reach the native button or Qt's focus
    // chain as well: a click more, or a second step of the focus, would show.
    void spentKeysActOnce_data()
    {
        QTest::addColumn<QList<KeyStep>>("steps");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("focus");
        constexpr auto press = QEvent::KeyPress;
        constexpr auto release = QEvent::KeyRelease;
        QTest::newRow("Space clicks once, on its release")
            << QList<KeyStep> { { press, Qt::Key_Space }, { release, Qt::Key_Space } } << "1" << "Cmd_jump";
        QTest::newRow("Space held: its repeats click nothing")
            << QList<KeyStep> { { press, Qt::Key_Space }, { release, Qt::Key_Space, {}, true },
                                { press, Qt::Key_Space, {}, true }, { release, Qt::Key_Space, {}, true },
                                { press, Qt::Key_Space, {}, true }, { release, Qt::Key_Space } }
            << "1" << "Cmd_jump";
        QTest::newRow("Return held: every press clicks")
            << QList<KeyStep> { { press, Qt::Key_Return }, { release, Qt::Key_Return, {}, true },
                                { press, Qt::Key_Return, {}, true }, { release, Qt::Key_Return } }
            << "2" << "Cmd_jump";
        QTest::newRow("Enter on the keypad")
            << QList<KeyStep> { { press, Qt::Key_Enter, Qt::KeypadModifier } } << "1" << "Cmd_jump";
        QTest::newRow("Tab: one step")
            << QList<KeyStep> { { press, Qt::Key_Tab }, { release, Qt::Key_Tab } } << "0" << "Cmd_nikusel";
        QTest::newRow("Shift+Tab: one step back")
            << QList<KeyStep> { { press, Qt::Key_Backtab, Qt::ShiftModifier },
                                { release, Qt::Key_Backtab, Qt::ShiftModifier } }
            << "0" << "Cmd_pause";
        QTest::newRow("Ctrl+Tab moves nothing")
            << QList<KeyStep> { { press, Qt::Key_Tab, Qt::ControlModifier } } << "0" << "Cmd_jump";
    }
    void spentKeysActOnce()
    {
        QFETCH(QList<KeyStep>, steps);
        QFETCH(QString, count);
        QFETCH(QString, focus);
        MainWindowDriver d;
        QVERIFY(activated(d));
        QCOMPARE(QApplication::focusWidget(), native(d.form->Cmd_jump));
        for (const KeyStep &step : steps)
            deliver(step);
        QCOMPARE(d.counter(), count);
        QCOMPARE(QApplication::focusWidget(), native(d.form->control(focus.toStdString())));
    }

    // A press of the mouse focuses what Tab reaches (a button), as the
    // original platform's buttons do, and leaves the focus alone elsewhere.
    void aClickFocusesWhatTabReaches_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("focus");
        QTest::newRow("a button") << "Cmd_pause" << "Cmd_pause";
        QTest::newRow("the counter") << "Lbl_count" << "Cmd_jump";
        QTest::newRow("the picture") << "Pic" << "Cmd_jump";
    }
    void aClickFocusesWhatTabReaches()
    {
        QFETCH(QString, clicked);
        QFETCH(QString, focus);
        MainWindowDriver d;
        QVERIFY(activated(d));
        QTest::mouseClick(native(d.form->control(clicked.toStdString())), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), native(d.form->control(focus.toStdString())));
        QCOMPARE(d.form->activeControl(), &d.form->control(focus.toStdString()));
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

    // The real focus follows the game's and the clicks: clicked, 一時停止
    // keeps the focus after the resume, so the key that activates buttons
    // pauses again; clicked, ジャンプ takes it back and the key jumps.
    void focusAfterPauseAndResume()
    {
        MainWindowDriver d;
        QVERIFY(activated(d));
        d.jump();
        d.tick();
        d.pause();
        QCOMPARE(QApplication::focusWidget(), native(d.form->Cmd_pause));
        type(Qt::Key_Space);
        QCOMPARE(d.state.paused, std::int16_t(0));
        QCOMPARE(QApplication::focusWidget(), native(d.form->Cmd_pause));
        type(Qt::Key_Space);
        QCOMPARE(d.state.paused, std::int16_t(1));
        type(Qt::Key_Return);
        QCOMPARE(d.state.paused, std::int16_t(0));
        d.tickUntilLanded();
        d.jump();
        QCOMPARE(QApplication::focusWidget(), native(d.form->Cmd_jump));
        type(Qt::Key_Return);
        QCOMPARE(d.counter(), QStringLiteral("3")); // second press of the flight
    }

    // What the widget paints is the model's image, pixel for pixel.
    void whatPicPaintsIsItsImage_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("paused");
        QTest::addColumn<int>("interval");
        QTest::newRow("standing") << 0 << 0 << 20;
        QTest::newRow("caption and overlay on stage 2") << 2 << 1 << 150;
    }
    void whatPicPaintsIsItsImage()
    {
        QFETCH(int, stage);
        QFETCH(int, paused);
        QFETCH(int, interval);
        MainWindowDriver d;
        d.state.stageDc = d.form->Bg(std::int16_t(stage)).hDC();
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
