// Zubrik: tests of start-up, the press and the tick through the real main window.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "GameDriver.h"
#include "PictureFiles.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// A double as its exact hexadecimal text: compares every bit and shows both
// values when it fails.
std::string bits(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

} // namespace

TEST_CASE("startUpState")
{
    GameDriver d;
    const GameState &s = d.state;
    CHECK(s.charY == 120.0);
    CHECK(s.shadowFrameX == 92);
    CHECK(s.charFrameX == 0);
    CHECK(s.launchSpeed == 75.0);
    CHECK(s.gravity == 9.8);
    CHECK(s.paused == 0);
    CHECK(s.hiddenMode == 0);
    CHECK(s.stageDc == d.form->Bg(0).hDC());
    CHECK(s.stageWidth == 4545.0f);
    CHECK(s.stageHeight == 2745);
    const MainWindowState &w = d.form->windowState();
    CHECK(w.jumpTime == 0);
    CHECK(w.pressCount == 0);
    CHECK(w.hasRisen == 0);
    CHECK(w.restartTime == 0);
    CHECK(w.restartTimeKept == 0);
    CHECK(w.codeEntry == 0);
    CHECK(!d.form->timer().enabled());
    CHECK(d.form->timer().interval() == 20);
    CHECK(d.counter() == "0");
    CHECK(d.form->activeControl() == &d.form->Cmd_jump);
}

TEST_CASE("picFitsTheStageAtTheOrigin")
{
    GameDriver d;
    const PictureBox &pic = d.form->Pic;
    CHECK(pic.pixelLeft() == 0);
    CHECK(pic.pixelTop() == 0);
    CHECK(pic.pixelWidth() == 303);
    CHECK(pic.pixelHeight() == 183);
    CHECK(pic.width() == 4545.0f);
    CHECK(pic.height() == 2745.0f);
    CHECK(pic.borderStyle() == 0);
    CHECK(pic.image().width() == 303);
    CHECK(pic.image().height() == 183);
    // The client area, 303 x 247 pixels.
    CHECK(d.form->width() == 4545.0f);
    CHECK(d.form->height() == 3705.0f);
    for (std::int16_t i = 0; i < 4; ++i) {
        CHECK(d.form->Bg(i).image().width() == 303);
        CHECK(d.form->Bg(i).image().height() == 183);
    }
    // A picture box that is never shown still holds its whole picture.
    struct Size { const PictureBox &box; int width, height; };
    const Size sizes[] = { { d.form->Niku, 276, 84 }, { d.form->NikuK, 82, 134 },
                           { d.form->Kage, 276, 32 }, { d.form->Moji, 140, 40 } };
    for (const Size &size : sizes) {
        INFO(size.box.name());
        CHECK(size.box.image().width() == size.width);
        CHECK(size.box.image().height() == size.height);
    }
    CHECK(!d.form->Niku.visible());
    CHECK(d.form->Bg(0).image() == PictureFiles::load("bg0"));
}

TEST_CASE("trajectoryOfAPlainJump")
{
    GameDriver d;
    MainWindowState &w = d.form->windowState();
    d.jump();
    CHECK(d.form->timer().enabled());
    CHECK(d.counter() == "1");
    // Exact to the last bit: the landing and shadow rules compare against
    // exact values, so a last-bit change can move a flight across one.
    // Worked out once from the jump's double operations, each rounded on
    // its own; a compiler that fuses a multiply and a subtract gets others.
    struct Row { int t; double y; int shadow; int risen; };
    const Row rows[] = {
        { 2, 0x1.bd3a06d3a06d3p+6 /* 111.3067 */, 92, 0 },
        { 4, 0x1.8222222222222p+6 /* 96.5333 */, 92, 0 },
        { 6, 0x1.392c5f92c5f93p+6 /* 78.2933 */, 92, 1 },
        { 8, 0x1.d99999999999bp+5 /* 59.2000 */, 0, 1 },
        { 10, 0x1.4eeeeeeeeeef1p+5 /* 41.8667 */, 0, 1 },
        { 12, 0x1.ce81b4e81b4edp+4 /* 28.9067 */, 0, 1 },
        { 14, 0x1.6eeeeeeeeeef5p+4 /* 22.9333 */, 0, 1 },
        { 16, 0x1.a8f5c28f5c297p+4 /* 26.5600 */, 0, 1 },
        { 18, 0x1.5333333333339p+5 /* 42.4000 */, 0, 1 },
        { 20, 0x1.2444444444449p+6 /* 73.0667 */, 92, 1 },
        { 22, 0x1.e4b17e4b17e51p+6 /* 121.1733 */, 92, 1 },
    };
    for (const Row &row : rows) {
        d.tick();
        INFO("t = " << row.t);
        CHECK(w.jumpTime == row.t);
        CHECK(bits(d.state.charY) == bits(row.y));
        CHECK(int(d.state.shadowFrameX) == row.shadow);
        CHECK(int(w.hasRisen) == row.risen);
        CHECK(d.form->timer().enabled());
    }
    d.tick(); // the twelfth: 189.3333 lands
    CHECK(!d.form->timer().enabled());
    CHECK(d.state.charY == 120.0);
    CHECK(d.state.shadowFrameX == 92);
    CHECK(w.jumpTime == 0);
    CHECK(w.hasRisen == 0);
    CHECK(w.pressCount == 0);
    CHECK(d.counter() == "1");
}

TEST_CASE("secondPressRestartsTheArc")
{
    GameDriver d;
    MainWindowState &w = d.form->windowState();
    d.jump();
    d.tick();
    d.tick();
    d.tick();
    CHECK(bits(d.state.charY) == bits(0x1.392c5f92c5f93p+6)); // 78.2933
    d.jump();
    CHECK(w.restartTime == 6);
    CHECK(w.jumpTime == 0);
    CHECK(d.counter() == "2");
    const double expected[] = {
        0x1.1666666666666p+6 /* 69.6000 */,    0x1.b69d0369d036ap+5 /* 54.8267 */,
        0x1.24b17e4b17e4bp+5 /* 36.5867 */,    0x1.17e4b17e4b17ep+4 /* 17.4933 */,
        0x1.47ae147ae14cdp-3 /* 0.1600 */,     -0x1.9999999999997p+3 /* -12.8000 */,
        -0x1.2c5f92c5f92c3p+4 /* -18.7733 */,  -0x1.e4b17e4b17e42p+3 /* -15.1467 */,
        0x1.62fc962fc9711p-1 /* 0.6933 */,     0x1.f5c28f5c28f67p+4 /* 31.3600 */,
        0x1.3dddddddddde2p+6 /* 79.4667 */,
    };
    for (double y : expected) {
        d.tick();
        CHECK(bits(d.state.charY) == bits(y));
    }
    d.tick(); // 147.6267: lands on tick 15
    CHECK(!d.form->timer().enabled());
    CHECK(w.restartTime == 6);
}

TEST_CASE("landingTable")
{
    const double speeds[] = { 75, 60, 120, 70 };
    const double gravities[] = { 9.8, 10.6, 9, 8.2 };
    const int ticks[4][4] = { { 12, 11, 13, 14 }, { 9, 9, 10, 11 }, { 18, 17, 20, 22 }, { 11, 10, 12, 13 } };
    const double highest[4][4] = { { 22.93, 37.87, 4.80, -18.40 },
                                   { 70.91, 77.73, 61.20, 49.07 },
                                   { -278.67, -220.85, -353.20, -450.27 },
                                   { 41.60, 52.61, 26.67, 7.04 } };
    for (int s = 0; s < 4; ++s)
        for (int g = 0; g < 4; ++g) {
            INFO("V" << speeds[s] << " g" << gravities[g]);
            GameDriver d;
            d.state.launchSpeed = speeds[s];
            d.state.gravity = gravities[g];
            d.jump();
            double top = d.state.charY;
            int count = 0;
            while (d.form->timer().enabled() && count < 100) {
                d.tick();
                ++count;
                if (d.form->timer().enabled())
                    top = std::min(top, d.state.charY);
            }
            CHECK(count == ticks[s][g]);
            INFO("highest " << top);
            CHECK(std::abs(top - highest[s][g]) < 0.005);
        }
}

TEST_CASE("pressRules")
{
    GameDriver d;
    MainWindowState &w = d.form->windowState();
    d.jump();
    d.jump(); // before the first tick: restarts (clock already 0) and counts
    CHECK(d.counter() == "2");
    CHECK(w.restartTime == 0);
    d.jump(); // third press, still before any tick: counts, no restart recorded
    CHECK(d.counter() == "3");
    CHECK(w.pressCount == 3);
    d.tick();
    const double y = d.state.charY;
    d.jump(); // after a tick: neither restarts nor counts
    CHECK(d.counter() == "3");
    CHECK(w.jumpTime == 2);
    CHECK(d.state.charY == y);
    CHECK(w.pressCount == 4);
}

TEST_CASE("pressDuringAFlightKeepsTheCountdown")
{
    // A press must not delay the next tick: enabling a running timer
    // leaves it alone.
    GameDriver d;
    d.jump();
    d.toolkit.advance(8);
    const int before = d.form->timer().remainingTime();
    CHECK(before == Form1::liveInterval - 8);
    d.jump();
    CHECK(d.form->timer().remainingTime() == before);
}

TEST_CASE("shadowBandsAreInclusive")
{
    struct Row { const char *name; double charY; int shadow; };
    const Row rows[] = {
        { "upper line", 1000.0 / 15, 0 },
        { "just below the upper line", std::nextafter(1000.0 / 15, 200.0), 92 },
        { "top line", 100.0 / 15, 0 },
        { "just above the top line", std::nextafter(100.0 / 15, -200.0), 184 },
        { "at rest", 120.0, 92 },
        { "off the top", -40.0, 184 },
    };
    for (const Row &row : rows) {
        INFO(row.name);
        GameDriver d;
        // With no speed and no gravity a tick leaves the height as it is.
        d.state.launchSpeed = 0;
        d.state.gravity = 0;
        d.state.charY = row.charY;
        d.jump();
        d.tick();
        CHECK(d.state.charY == row.charY);
        CHECK(int(d.state.shadowFrameX) == row.shadow);
    }
}

TEST_CASE("landingArmsAtEightyAndLandsAt126")
{
    GameDriver d;
    const MainWindowState &w = d.form->windowState();
    d.state.launchSpeed = 0;
    d.state.gravity = 0;
    d.jump();
    d.state.charY = 126; // not armed yet: no landing even this low
    d.tick();
    CHECK(d.form->timer().enabled());
    d.state.charY = 80.0000001;
    d.tick();
    CHECK(w.hasRisen == 0);
    d.state.charY = 80;
    d.tick();
    CHECK(w.hasRisen == 1);
    d.state.charY = std::nextafter(126.0, 0.0);
    d.tick();
    CHECK(d.form->timer().enabled());
    d.state.charY = 126;
    d.tick();
    CHECK(!d.form->timer().enabled());
    CHECK(d.state.charY == 120.0);
}

TEST_CASE("anyPressesAtAnyMomentKeepTheRules")
{
    // Presses scattered through many flights. The rule in a player's words:
    // the first and second press of a flight always count (the second
    // restarts the arc); a later one counts only if no tick has run since
    // the last restart. Every flight lands standing.
    GameDriver d;
    const MainWindowState &w = d.form->windowState();
    std::uint32_t seed = 12345;
    int counted = 0;
    for (int flight = 0; flight < 300; ++flight) {
        int presses = 0;
        int ticksSinceRestart = 0;
        auto press = [&] {
            if (presses < 2 || ticksSinceRestart == 0)
                ++counted;
            if (presses < 2)
                ticksSinceRestart = 0;
            ++presses;
            d.jump();
            REQUIRE(d.counter() == std::to_string(counted));
        };
        press();
        for (int steps = 0; d.form->timer().enabled(); ++steps) {
            REQUIRE(steps < 10000); // a flight that never lands
            seed = seed * 1103515245u + 12345u;
            if ((seed >> 16) % 4 == 0) {
                press();
            } else {
                d.tick();
                ++ticksSinceRestart;
            }
        }
        INFO("flight " << flight);
        REQUIRE(d.state.charY == 120.0);
        REQUIRE(w.pressCount == 0);
        REQUIRE(w.jumpTime == 0);
    }
}
