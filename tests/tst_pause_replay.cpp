// Zubrik: tests of pausing, replaying and the hidden key code, through the real window.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "platform/VirtualKey.h"

namespace {

QList<double> heightsUntilLanded(MainWindowDriver &d)
{
    QList<double> heights;
    while (d.form->timer().enabled() && heights.size() < 100) {
        d.tick();
        heights << d.state.charY;
    }
    return heights;
}

const QImage &moji()
{
    static const QImage sheet = QImage(QStringLiteral(":/pictures/moji.png")).convertToFormat(QImage::Format_RGB32);
    return sheet;
}

// The replay caption, copied whole to (10, 10).
bool showsReplayCaption(const QImage &frame)
{
    return MainWindowDriver::samePixels(frame.copy(10, 10, 70, 15), moji().copy(0, 0, 70, 15));
}

// The pause overlay, centred on the 303 x 183 stage: its sprite wherever its mask is black.
bool showsPauseOverlay(const QImage &frame)
{
    const QImage screen = frame.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 70; ++x)
            if (moji().pixel(70 + x, 20 + y) == qRgb(0, 0, 0)
                && screen.pixel(116 + x, 82 + y) != moji().pixel(70 + x, y))
                return false;
    return true;
}

} // namespace

class TestPauseReplay : public QObject
{
    Q_OBJECT

private:
    static void checkPaused(MainWindowDriver &d, bool paused)
    {
        const Ui::Form1 &ui = d.ui();
        QCOMPARE(d.state.paused, std::int16_t(paused ? 1 : 0));
        QCOMPARE(ui.Cmd_pause->text(), paused ? QStringLiteral("再生") : QStringLiteral("一時停止"));
        for (CommandButton *button : { ui.Cmd_nikusel, ui.Cmd_jump, ui.Cmd_stgsel, ui.Cmd_replay })
            QCOMPARE(button->isEnabled(), !paused);
        QVERIFY(ui.Cmd_pause->isEnabled());
        if (paused)
            QVERIFY(!d.form->timer().enabled());
    }

private Q_SLOTS:
    void pauseDoesNothingOnTheGround()
    {
        MainWindowDriver d;
        d.pause();
        checkPaused(d, false);
        QVERIFY(!d.form->timer().enabled());
        d.jump(); // before the first tick: still nothing to pause
        d.pause();
        checkPaused(d, false);
    }

    void pauseAndResumeContinueWhereTheyStopped()
    {
        MainWindowDriver live;
        live.jump();
        const QList<double> straight = heightsUntilLanded(live);

        MainWindowDriver d;
        d.jump();
        d.tick();
        d.tick();
        d.tick();
        d.pause();
        checkPaused(d, true);
        // The paused frame carries the overlay, and is on screen already.
        QVERIFY(showsPauseOverlay(d.ui().Pic->grab().toImage()));
        QVERIFY(!showsReplayCaption(d.frame()));

        // Every disabled button ignores a press while paused.
        const GameState before = d.state;
        const QString count = d.counter();
        for (CommandButton *button : { d.ui().Cmd_jump, d.ui().Cmd_replay, d.ui().Cmd_nikusel,
                                       d.ui().Cmd_stgsel })
            d.click(button);
        QCOMPARE(d.counter(), count);
        QCOMPARE(d.state.charY, before.charY);
        QCOMPARE(d.window().jumpTime, 6);
        checkPaused(d, true);

        d.pause();
        checkPaused(d, false);
        QVERIFY(d.form->timer().enabled());
        QCOMPARE(d.form->timer().interval(), 20);
        QList<double> resumed = { straight[0], straight[1], straight[2] };
        resumed += heightsUntilLanded(d);
        QCOMPARE(resumed, straight);
    }

    void replayReproducesARestartedJump()
    {
        MainWindowDriver d;
        d.jump();
        d.tick();
        d.tick();
        d.tick();
        d.jump();
        QList<double> live = { 111.3067, 96.5333, 78.2933 };
        live += heightsUntilLanded(d);
        QCOMPARE(live.size(), 15);

        d.replay();
        QCOMPARE(d.form->timer().interval(), 150);
        QVERIFY(d.form->timer().enabled());
        QCOMPARE(d.counter(), QStringLiteral("2"));
        QList<double> replayed;
        for (int tick = 0; tick < 15 && d.form->timer().enabled(); ++tick) {
            d.tick();
            replayed << d.state.charY;
            if (d.form->timer().enabled())
                QVERIFY(showsReplayCaption(d.frame())); // on every frame of the replay
        }
        QVERIFY(!d.form->timer().enabled());
        QCOMPARE(replayed.size(), 15); // lands on the same tick
        for (int i = 3; i < 14; ++i)
            QVERIFY(qAbs(replayed[i] - live[i]) < 1e-9);
        QCOMPARE(d.form->timer().interval(), 20);
        QCOMPARE(d.window().restartTime, 6); // kept, so the replay can be repeated
        // The landed frame shows no caption.
        const QImage stage = QImage(QStringLiteral(":/pictures/bg0.png")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(MainWindowDriver::samePixels(d.frame().copy(10, 10, 70, 15), stage.copy(10, 10, 70, 15)));

        d.replay();
        QList<double> again = heightsUntilLanded(d);
        QCOMPARE(again, replayed);
    }

    void replayDuringALiveJumpDoesNothing()
    {
        MainWindowDriver d;
        d.jump();
        d.tick();
        d.replay();
        QCOMPARE(d.form->timer().interval(), 20);
        QCOMPARE(d.window().jumpTime, 2);
    }

    void pausedReplayResumesAsAReplay()
    {
        MainWindowDriver reference;
        reference.replay();
        const QList<double> plain = heightsUntilLanded(reference);
        QCOMPARE(plain.size(), 12); // a replay before any jump is a plain jump

        MainWindowDriver d;
        d.replay();
        d.tick();
        d.tick();
        d.pause();
        checkPaused(d, true);
        // A paused replay shows both the caption and the overlay; drawing it
        // again gives the same frame.
        const QImage paused = d.frame();
        QVERIFY(showsReplayCaption(paused));
        QVERIFY(showsPauseOverlay(paused));
        d.form->FrameCompositor();
        QVERIFY(MainWindowDriver::samePixels(d.frame(), paused));
        QCOMPARE(d.form->timer().interval(), 150);
        d.pause();
        QCOMPARE(d.form->timer().interval(), 150);
        QList<double> heights = { plain[0], plain[1] };
        heights += heightsUntilLanded(d);
        QCOMPARE(heights, plain);
        QCOMPARE(d.form->timer().interval(), 20);
    }

    void aPressDuringAReplayDropsTheRecordedRestart()
    {
        MainWindowDriver d;
        d.jump();
        d.tick();
        d.tick();
        d.tick();
        d.jump();
        d.tickUntilLanded();
        d.replay();
        d.tick();
        d.jump(); // first press of the replay: not counted (a tick has run), restart gone
        QCOMPARE(d.counter(), QStringLiteral("2"));
        QCOMPARE(d.window().restartTime, 0);
        QCOMPARE(d.window().restartTimeKept, std::int16_t(0));
        QCOMPARE(d.tickUntilLanded(), 11); // the plain arc: 12 ticks in all
        d.replay();
        QCOMPARE(d.tickUntilLanded(), 12);
    }

    void replayAfterAChangeOfStageLosesALateRestart()
    {
        MainWindowDriver d;
        d.jump();
        for (int i = 0; i < 9; ++i)
            d.tick();
        d.jump(); // restart at t = 18
        QCOMPARE(d.window().restartTime, 18);
        d.tickUntilLanded();
        // This arc lands on its ninth tick (t = 18), before the restart can run.
        d.state.launchSpeed = 60;
        d.state.gravity = 10.6;
        d.replay();
        QCOMPARE(d.tickUntilLanded(), 9);
        QCOMPARE(d.window().restartTime, 0); // the restart was never reached: lost
    }

    void focusAfterPauseAndResume()
    {
        MainWindowDriver d;
        d.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.form.get()));
        QCOMPARE(QApplication::focusWidget(), d.ui().Cmd_jump);
        d.jump();
        d.tick();
        d.pause();
        // While paused, the pause button holds the focus: its key resumes.
        QCOMPARE(QApplication::focusWidget(), d.ui().Cmd_pause);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(d.state.paused, std::int16_t(0));
        // Back on the jump button: the keyboard jumps again.
        QCOMPARE(QApplication::focusWidget(), d.ui().Cmd_jump);
        d.tickUntilLanded();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.counter(), QStringLiteral("2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(d.counter(), QStringLiteral("3")); // second press of the flight
    }
};

QTEST_MAIN(TestPauseReplay)
#include "tst_pause_replay.moc"
