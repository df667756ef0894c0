// Zubrik: pausing and replaying a jump, through the main window's buttons and clock.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "GameDriver.h"

#include <doctest/doctest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

std::vector<double> heightsUntilLanded(GameDriver &d)
{
    std::vector<double> heights;
    while (d.form->timer().enabled() && heights.size() < 100) {
        d.tick();
        heights.push_back(d.state.charY);
    }
    return heights;
}

const Image &moji()
{
    return DialogDriver::sheet("moji");
}

// The pixels of `image` in the rectangle equal those of `other` in its rectangle at (ox, oy).
bool sameArea(const Image &image, int x, int y, const Image &other, int ox, int oy, int width, int height)
{
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            if (image.pixel(x + column, y + row) != other.pixel(ox + column, oy + row))
                return false;
    return true;
}

// The replay caption, copied whole to (10, 10).
bool showsReplayCaption(const Image &frame)
{
    return sameArea(frame, 10, 10, moji(), 0, 0, 70, 15);
}

// The pause overlay, centred on the 303 x 183 stage: its sprite wherever its mask is black.
bool showsPauseOverlay(const Image &frame)
{
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 70; ++x)
            if (moji().pixel(70 + x, 20 + y) == Image::rgb(0, 0, 0)
                && frame.pixel(116 + x, 82 + y) != moji().pixel(70 + x, y))
                return false;
    return true;
}

void checkPaused(GameDriver &d, bool paused)
{
    Form1 &form = *d.form;
    CHECK(d.state.paused == std::int16_t(paused ? 1 : 0));
    CHECK(form.Cmd_pause.caption() == (paused ? "再生" : "一時停止"));
    for (CommandButton *button : { &form.Cmd_nikusel, &form.Cmd_jump, &form.Cmd_stgsel, &form.Cmd_replay }) {
        CAPTURE(button->name());
        CHECK(button->enabled() == !paused);
    }
    CHECK(form.Cmd_pause.enabled());
    if (paused)
        CHECK(!form.timer().enabled());
}

} // namespace

TEST_CASE("pause does nothing on the ground")
{
    GameDriver d;
    d.pause();
    checkPaused(d, false);
    CHECK(!d.form->timer().enabled());
    d.jump(); // before the first tick: still nothing to pause
    d.pause();
    checkPaused(d, false);
}

TEST_CASE("pause and resume continue where they stopped")
{
    std::vector<double> straight;
    {
        GameDriver live;
        live.jump();
        straight = heightsUntilLanded(live);
    }

    GameDriver d;
    d.jump();
    d.tick();
    d.tick();
    d.tick();
    d.pause();
    checkPaused(d, true);
    // The paused frame carries the overlay.
    CHECK(showsPauseOverlay(d.frame()));
    CHECK(!showsReplayCaption(d.frame()));

    // Every disabled button ignores a press while paused.
    const GameState before = d.state;
    const std::string count = d.counter();
    for (CommandButton *button : { &d.form->Cmd_jump, &d.form->Cmd_replay, &d.form->Cmd_nikusel,
                                   &d.form->Cmd_stgsel })
        button->click();
    CHECK(d.toolkit.modalShows().empty());
    CHECK(d.counter() == count);
    CHECK(d.state.charY == before.charY);
    CHECK(d.form->windowState().jumpTime == 6);
    checkPaused(d, true);

    d.pause();
    checkPaused(d, false);
    CHECK(d.form->timer().enabled());
    CHECK(d.form->timer().interval() == 20);
    std::vector<double> resumed = { straight[0], straight[1], straight[2] };
    for (double height : heightsUntilLanded(d))
        resumed.push_back(height);
    CHECK(resumed == straight);
}

// While paused the pause button holds the focus, so that the key that
// activates buttons resumes; then the focus goes back where it was.
TEST_CASE("the focus while paused and after")
{
    GameDriver d;
    CHECK(d.form->activeControl() == &d.form->Cmd_jump);
    d.jump();
    d.tick();
    d.pause();
    CHECK(d.form->activeControl() == &d.form->Cmd_pause);
    d.pause();
    CHECK(d.state.paused == 0);
    CHECK(d.form->activeControl() == &d.form->Cmd_jump);
}

TEST_CASE("a replay reproduces a restarted jump")
{
    GameDriver d;
    d.jump();
    d.tick();
    d.tick();
    d.tick();
    d.jump();
    std::vector<double> live = { 111.3067, 96.5333, 78.2933 };
    for (double height : heightsUntilLanded(d))
        live.push_back(height);
    CHECK(live.size() == 15);

    d.replay();
    CHECK(d.form->timer().interval() == 150);
    CHECK(d.form->timer().enabled());
    CHECK(d.counter() == "2");
    std::vector<double> replayed;
    for (int tick = 0; tick < 15 && d.form->timer().enabled(); ++tick) {
        d.tick();
        replayed.push_back(d.state.charY);
        if (d.form->timer().enabled()) {
            CAPTURE(tick);
            CHECK(showsReplayCaption(d.frame())); // on every frame of the replay
        }
    }
    CHECK(!d.form->timer().enabled());
    REQUIRE(replayed.size() == 15); // lands on the same tick
    for (std::size_t i = 3; i < 14; ++i) {
        CAPTURE(i);
        CHECK(std::abs(replayed[i] - live[i]) < 1e-9);
    }
    CHECK(d.form->timer().interval() == 20);
    CHECK(d.form->windowState().restartTime == 6); // kept, so the replay can be repeated
    // The landed frame shows no caption.
    CHECK(sameArea(d.frame(), 10, 10, DialogDriver::sheet("bg0"), 10, 10, 70, 15));

    d.replay();
    CHECK(heightsUntilLanded(d) == replayed);
}

TEST_CASE("a replay during a live jump does nothing")
{
    GameDriver d;
    d.jump();
    d.tick();
    d.replay();
    CHECK(d.form->timer().interval() == 20);
    CHECK(d.form->windowState().jumpTime == 2);
}

TEST_CASE("a paused replay resumes as a replay")
{
    std::vector<double> plain;
    {
        GameDriver reference;
        reference.replay();
        plain = heightsUntilLanded(reference);
    }
    REQUIRE(plain.size() == 12); // a replay before any jump is a plain jump

    GameDriver d;
    d.replay();
    d.tick();
    d.tick();
    d.pause();
    checkPaused(d, true);
    // A paused replay shows both the caption and the overlay; drawing it
    // again gives the same frame.
    const Image paused = d.frame();
    CHECK(showsReplayCaption(paused));
    CHECK(showsPauseOverlay(paused));
    d.form->FrameCompositor();
    CHECK(d.frame() == paused);
    CHECK(d.form->timer().interval() == 150);
    d.pause();
    CHECK(d.form->timer().interval() == 150);
    std::vector<double> heights = { plain[0], plain[1] };
    for (double height : heightsUntilLanded(d))
        heights.push_back(height);
    CHECK(heights == plain);
    CHECK(d.form->timer().interval() == 20);
}

TEST_CASE("a press during a replay drops the recorded restart")
{
    GameDriver d;
    d.jump();
    d.tick();
    d.tick();
    d.tick();
    d.jump();
    d.tickUntilLanded();
    d.replay();
    d.tick();
    d.jump(); // first press of the replay: not counted (a tick has run), restart gone
    CHECK(d.counter() == "2");
    CHECK(d.form->windowState().restartTime == 0);
    CHECK(d.form->windowState().restartTimeKept == 0);
    CHECK(d.tickUntilLanded() == 11); // the plain arc: 12 ticks in all
    d.replay();
    CHECK(d.tickUntilLanded() == 12);
}

TEST_CASE("a replay after a change of stage loses a late restart")
{
    GameDriver d;
    d.jump();
    for (int i = 0; i < 9; ++i)
        d.tick();
    d.jump(); // restart at t = 18
    CHECK(d.form->windowState().restartTime == 18);
    d.tickUntilLanded();
    // This arc lands on its ninth tick (t = 18), before the restart can run.
    d.state.launchSpeed = 60;
    d.state.gravity = 10.6;
    d.replay();
    CHECK(d.tickUntilLanded() == 9);
    CHECK(d.form->windowState().restartTime == 0); // the restart was never reached: lost
}
