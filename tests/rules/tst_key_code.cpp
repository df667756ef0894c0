// Zubrik: the hidden key code typed during a pause, fed to the main window as key codes.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "GameDriver.h"

#include "platform/VirtualKey.h"

#include <doctest/doctest.h>

#include <string>

namespace {

// A paused jump after the given count.
void pausedAt(GameDriver &d, const std::string &count)
{
    d.setCounter(count);
    d.jump();
    d.tick();
    d.pause();
    REQUIRE(d.state.paused == 1);
}

// A press and a release, as the window gets them.
void type(GameDriver &d, std::int16_t key, std::int16_t shift = 0)
{
    d.form->keyDown(key, shift);
    d.form->keyUp(key, shift);
}

std::int32_t codeEntry(GameDriver &d)
{
    return d.form->windowState().codeEntry;
}

} // namespace

TEST_CASE("the code switches hidden mode on")
{
    using namespace VirtualKey;
    GameDriver d;
    pausedAt(d, "31");
    for (std::int16_t key : { Up, Up, A, Right, B, Down, Left, Left, A })
        type(d, key);
    CHECK(d.state.hiddenMode == 0);
    CHECK(d.toolkit.beeps() == 0);
    CHECK(codeEntry(d) == 116452336);
    type(d, Down); // its release completes the code
    CHECK(codeEntry(d) == 1164523362);
    CHECK(d.state.hiddenMode == 1);
    CHECK(d.toolkit.beeps() == 1);
    // The code stays; every further release while paused beeps again.
    d.form->keyUp(16, 0);
    CHECK(d.toolkit.beeps() == 2);
    d.pause();
    CHECK(d.state.paused == 0);
    CHECK(d.state.hiddenMode == 1);
    const int beeps = d.toolkit.beeps();
    type(d, Up); // not paused: nothing, no beep
    CHECK(d.toolkit.beeps() == beeps);
    CHECK(d.state.hiddenMode == 1);
}

TEST_CASE("Up toggles between 1 and 11")
{
    GameDriver d;
    pausedAt(d, "30");
    d.form->windowState().codeEntry = 1234;
    type(d, VirtualKey::Up);
    CHECK(codeEntry(d) == 1);
    type(d, VirtualKey::Up);
    CHECK(codeEntry(d) == 11);
    type(d, VirtualKey::Up);
    CHECK(codeEntry(d) == 1);
}

TEST_CASE("any other key sets its own code")
{
    struct Row
    {
        std::string name;
        std::int16_t key;
        std::int16_t shift;
    };
    const Row rows[] = {
        { "Shift", 16, ShiftState::Shift },
        { "C", 67, 0 },
        { "7", 55, 0 },
        { "F1", 112, 0 },
        { "keypad 4", 100, 0 },
        { "Escape", VirtualKey::Escape, 0 },
        { "an unknown key", VirtualKey::Unknown, 0 },
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        GameDriver d;
        pausedAt(d, "30");
        d.form->windowState().codeEntry = 11645;
        type(d, row.key, row.shift);
        CHECK(codeEntry(d) == row.key);
        CHECK(d.state.paused == 1);
    }
}

TEST_CASE("an append past the limit starts afresh")
{
    GameDriver d;
    pausedAt(d, "30");
    d.form->windowState().codeEntry = 214748364;
    type(d, VirtualKey::Right); // 2147483644 still fits
    CHECK(codeEntry(d) == 2147483644);
    d.form->windowState().codeEntry = 214748365;
    type(d, VirtualKey::Down); // 2147483652 does not
    CHECK(codeEntry(d) == 0);
    CHECK(d.toolkit.messages().empty());
    CHECK(d.toolkit.exitCode() == -1);
    type(d, VirtualKey::Down); // a leading 0 is dropped
    CHECK(codeEntry(d) == 2);
}

// The pause's own press counts, so a count of 30 while paused comes from a
// press at 29.
TEST_CASE("only from thirty jumps")
{
    struct Row
    {
        std::string name;
        std::string before;
        std::string paused;
        std::int32_t code;
    };
    const Row rows[] = {
        { "29: not yet", "28", "29", 0 },
        { "30: from here", "29", "30", 1 },
        { "31", "30", "31", 1 },
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        GameDriver d;
        pausedAt(d, row.before);
        CHECK(d.counter() == row.paused);
        type(d, VirtualKey::Up);
        CHECK(codeEntry(d) == row.code);
    }
}

TEST_CASE("only while paused")
{
    GameDriver running;
    running.setCounter("40");
    type(running, VirtualKey::Up);
    CHECK(codeEntry(running) == 0);
    running.form->windowState().codeEntry = 1164523362;
    running.form->keyUp(VirtualKey::A, 0);
    CHECK(running.state.hiddenMode == 0);
    CHECK(running.toolkit.beeps() == 0);
}
