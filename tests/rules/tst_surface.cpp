// Zubrik: how the surface answers a player on every toolkit: keys, focus, the mouse, geometry, the timer.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "GameDriver.h"

#include "platform/Line.h"
#include "platform/TickSchedule.h"
#include "platform/Twips.h"
#include "platform/Timer.h"
#include "platform/VirtualKey.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

std::string focusName(const Form &form)
{
    const Control *focused = form.activeControl();
    return focused ? focused->fullName() : "(none)";
}

// Presses and releases a key as a backend hands it on; the press's answer.
bool typeKey(Form &form, std::int16_t key, std::int16_t shift = 0)
{
    const bool spent = form.pressKey(key, shift);
    form.releaseKey(key, shift);
    return spent;
}

} // namespace

TEST_CASE("Return clicks the focused button on every press, Space on its release")
{
    GameDriver d;
    REQUIRE(focusName(*d.form) == "Cmd_jump");
    CHECK(d.form->pressKey(VirtualKey::Return, 0));
    CHECK(d.form->pressKey(VirtualKey::Return, 0)); // a held key repeats
    CHECK(d.counter() == "2");
    CHECK(d.form->pressKey(VirtualKey::Space, 0));
    CHECK(d.form->pressKey(VirtualKey::Space, 0));
    CHECK(d.counter() == "2");
    CHECK(d.form->releaseKey(VirtualKey::Space, 0));
    CHECK(d.counter() == "3");
    // Space that went down on one button and comes up after Tab clicks nothing.
    d.form->pressKey(VirtualKey::Space, 0);
    d.form->pressKey(VirtualKey::Tab, 0);
    d.form->releaseKey(VirtualKey::Space, 0);
    CHECK(d.counter() == "3");
    CHECK(d.boxes().empty());
    // A key nothing uses is left to the toolkit, and so are Alt+Space and Alt+Return.
    CHECK_FALSE(typeKey(*d.form, VirtualKey::A));
    CHECK_FALSE(typeKey(*d.form, VirtualKey::Space, ShiftState::Alt));
    CHECK_FALSE(typeKey(*d.form, VirtualKey::Return, ShiftState::Alt));
    CHECK(d.counter() == "3");
    // An arrow on a button is spent on nothing: only Tab moves the focus.
    CHECK(typeKey(*d.form, VirtualKey::Right));
    CHECK(focusName(*d.form) == "Cmd_nikusel");
}

TEST_CASE("Tab and Shift+Tab walk the tab order, past controls that take no focus")
{
    GameDriver d;
    std::vector<std::string> forwards;
    for (int i = 0; i < 5; ++i) {
        CHECK(typeKey(*d.form, VirtualKey::Tab));
        forwards.push_back(focusName(*d.form));
    }
    CHECK(forwards == std::vector<std::string> { "Cmd_nikusel", "Cmd_stgsel", "Cmd_replay", "Cmd_pause", "Cmd_jump" });
    typeKey(*d.form, VirtualKey::Tab, ShiftState::Shift);
    CHECK(focusName(*d.form) == "Cmd_pause");
    // Ctrl+Tab is not a focus key.
    CHECK_FALSE(typeKey(*d.form, VirtualKey::Tab, ShiftState::Ctrl));
    CHECK(focusName(*d.form) == "Cmd_pause");
    // Paused, every other button is disabled: Tab stays on the pause button.
    d.jump();
    d.tick();
    d.pause();
    REQUIRE(focusName(*d.form) == "Cmd_pause");
    typeKey(*d.form, VirtualKey::Tab);
    CHECK(focusName(*d.form) == "Cmd_pause");
    typeKey(*d.form, VirtualKey::Tab, ShiftState::Shift);
    CHECK(focusName(*d.form) == "Cmd_pause");
}

TEST_CASE("a press of the mouse focuses what Tab reaches, and nothing else")
{
    GameDriver d;
    d.form->Cmd_stgsel.pointerPressed();
    CHECK(focusName(*d.form) == "Cmd_stgsel");
    d.form->Lbl_count.pointerPressed();
    d.form->Pic.pointerPressed();
    CHECK(focusName(*d.form) == "Cmd_stgsel");
    d.jump();
    d.tick();
    d.pause();
    d.form->Cmd_jump.pointerPressed(); // disabled while paused
    CHECK(focusName(*d.form) == "Cmd_pause");
}

TEST_CASE("the picture box takes the mouse in pixels of its outer edge and reports twips")
{
    GameDriver d;
    PictureBox &box = d.form->Pic;
    std::vector<float> seen;
    box.onMouseDown([&](std::int16_t, std::int16_t, float x, float y) { seen = { x, y }; });
    const int border = box.border();
    box.mouseDownAt(MouseButton::Left, 0, border + 10.5, border);
    CHECK(seen == std::vector<float> { 157.5f, 0.0f });
}

TEST_CASE("a line covers whole pixels from its nearer end, one pixel thick; frames add their corner")
{
    HeadlessToolkit toolkit;
    FormDesign design;
    ControlDesign frame;
    frame.kind = ControlKind::Frame;
    frame.name = "Frame1";
    frame.left = 300;
    frame.top = 450;
    ControlDesign rule;
    rule.kind = ControlKind::Line;
    rule.name = "Line1";
    rule.container = "Frame1";
    rule.x1 = rule.x2 = 1500;
    rule.y1 = rule.y2 = 150;
    design.controls = { frame, rule };
    Form form(design);
    Line &line = form.line("Line1");
    line.setX2(1350); // drawn backwards: 10 pixels to the left
    CHECK(line.pixelRect() == PixelRect { 90, 10, 10, 1 });
    CHECK(line.pixelRectInForm() == PixelRect { 110, 40, 10, 1 });
    line.setX2(1500);
    CHECK(line.pixelRect() == PixelRect { 100, 10, 1, 1 });
}

TEST_CASE("the tick schedule keeps absolute deadlines and skips the ones missed")
{
    struct Step
    {
        std::int64_t now;
        bool ticks;
        std::int64_t dueAfter;
    };
    // Started at 100 with an interval of 20.
    const std::vector<Step> steps {
        { 119, false, 120 }, // not yet
        { 120, true, 140 },  // on time
        { 145, true, 160 },  // late by 5: the next deadline does not move
        { 160, true, 180 },
        { 239, true, 240 },  // three deadlines missed at once: one tick, not a burst
        { 240, true, 260 },
    };
    TickSchedule schedule;
    schedule.start(100, 20);
    for (const Step &step : steps) {
        CAPTURE(step.now);
        CHECK(schedule.take(step.now) == step.ticks);
        CHECK(schedule.due() == step.dueAfter);
    }
    schedule.stop();
    CHECK_FALSE(schedule.take(1000));
}

TEST_CASE("a timer ticks one interval after its start and never re-enters its own handler")
{
    HeadlessToolkit toolkit;
    Timer timer;
    int ticks = 0;
    timer.onTimer([&] {
        ++ticks;
        if (ticks == 1)
            toolkit.advance(100); // the handler sits in a box for 100 ms
    });
    timer.setInterval(20);
    timer.setEnabled(true);
    toolkit.advance(19);
    CHECK(ticks == 0);
    toolkit.advance(1);
    CHECK(ticks == 1); // and none inside its own handler
    toolkit.advance(0);
    CHECK(ticks == 2); // the missed ones as one late tick
    CHECK(timer.remainingTime() == 20); // back on the deadlines: 140, 160 ...
    toolkit.advance(20);
    CHECK(ticks == 3);
}

TEST_CASE("a window under a modal one or a message box takes no key and no close")
{
    GameDriver d;
    std::vector<std::string> counts;
    const auto tryMainWindow = [&] {
        CHECK(d.form->pressKey(VirtualKey::Return, 0)); // spent on nothing
        CHECK(d.form->releaseKey(VirtualKey::Return, 0));
        d.form->requestClose();
        CHECK(d.form->isLoaded());
        counts.push_back(d.counter());
    };
    d.toolkit.onModal = [&](Form &) { tryMainWindow(); };
    d.form->Cmd_nikusel.click();
    d.setCounter("9");
    d.toolkit.onMessage = [&](const HeadlessToolkit::Message &) { tryMainWindow(); };
    d.jump(); // the 10 box
    CHECK(counts == std::vector<std::string> { "0", "10" });
    CHECK(d.toolkit.messages().size() == 1);
    // Once they are gone, it takes both again.
    CHECK(d.form->pressKey(VirtualKey::Return, 0));
    CHECK(d.counter() == "11");
    d.form->requestClose();
    CHECK_FALSE(d.form->isLoaded());
}
