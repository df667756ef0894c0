// Zubrik: the browser's keys, shift keys and mouse buttons as the game's handlers number them (platform/web/WebInput).
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/VirtualKey.h"
#include "platform/web/WebInput.h"

#include <doctest/doctest.h>

using WebInput::keyCode;

TEST_CASE("the hidden mode's keys and the dialogs' keys reach the game as the desktop numbers them")
{
    CHECK(keyCode("ArrowUp", "ArrowUp") == VirtualKey::Up);
    CHECK(keyCode("ArrowDown", "ArrowDown") == VirtualKey::Down);
    CHECK(keyCode("ArrowLeft", "ArrowLeft") == VirtualKey::Left);
    CHECK(keyCode("ArrowRight", "ArrowRight") == VirtualKey::Right);
    CHECK(keyCode("KeyA", "a") == VirtualKey::A);
    CHECK(keyCode("KeyB", "B") == VirtualKey::B);
    CHECK(keyCode("Home", "Home") == VirtualKey::Home);
    CHECK(keyCode("End", "End") == VirtualKey::End);
    CHECK(keyCode("Escape", "Escape") == VirtualKey::Escape);
    CHECK(keyCode("Space", " ") == VirtualKey::Space);
}

TEST_CASE("a key is known by its place, whatever the layout or Shift put on it")
{
    // An AZERTY "A" key sits where QWERTY has Q; the code names the place.
    CHECK(keyCode("KeyQ", "a") == 'Q');
    CHECK(keyCode("KeyZ", "z") == 'Z');
    CHECK(keyCode("Digit1", "!") == '1');
    CHECK(keyCode("Digit0", ")") == '0');
    CHECK(keyCode("Semicolon", ":") == 186);
    CHECK(keyCode("Quote", "\"") == 222);
    CHECK(keyCode("ShiftLeft", "Shift") == keyCode("ShiftRight", "Shift"));
    CHECK(keyCode("ControlRight", "Control") == 17);
}

TEST_CASE("the keypad gives its digits with Num Lock on and its moves with Num Lock off")
{
    CHECK(keyCode("Numpad1", "1") == VirtualKey::Numpad0 + 1);
    CHECK(keyCode("Numpad9", "9") == VirtualKey::Numpad0 + 9);
    CHECK(keyCode("Numpad4", "ArrowLeft") == VirtualKey::Left);
    CHECK(keyCode("Numpad8", "ArrowUp") == VirtualKey::Up);
    CHECK(keyCode("Numpad7", "Home") == VirtualKey::Home);
    CHECK(keyCode("Numpad5", "Clear") == 12);
    CHECK(keyCode("NumpadEnter", "Enter") == VirtualKey::Return);
    CHECK(keyCode("Enter", "Enter") == VirtualKey::Return);
}

TEST_CASE("function keys run from F1 to F24 and no further")
{
    CHECK(keyCode("F1", "F1") == 112);
    CHECK(keyCode("F12", "F12") == 123);
    CHECK(keyCode("F24", "F24") == 135);
    CHECK(keyCode("F25", "F25") == VirtualKey::Unknown);
    CHECK(keyCode("F0", "F0") == VirtualKey::Unknown);
    CHECK(keyCode("Fn", "Fn") == VirtualKey::Unknown);
    CHECK(keyCode("F123", "") == VirtualKey::Unknown);
}

TEST_CASE("what the table does not know gets the code no listed key uses")
{
    for (const char *code : { "", "K", "Key", "Keya", "KeyAB", "Digit", "Digit10", "Numpad",
                              "Numpad10", "IntlRo", "Lang1", "Unidentified" })
        CHECK_MESSAGE(keyCode(code, "") == VirtualKey::Unknown, code);
}

TEST_CASE("Shift, Ctrl and Alt reach the handlers as the desktop sums them")
{
    struct Case
    {
        bool shift, ctrl, alt;
        std::int16_t state;
    };
    for (const Case &c : { Case { false, false, false, 0 }, Case { true, false, false, ShiftState::Shift },
                           Case { false, true, false, ShiftState::Ctrl }, Case { false, false, true, ShiftState::Alt },
                           Case { true, true, false, 3 }, Case { true, false, true, 5 }, Case { true, true, true, 7 } })
        CHECK(WebInput::shiftState(c.shift, c.ctrl, c.alt) == c.state);
}

TEST_CASE("the browser's middle button is its second, the desktop's its third; side buttons have no name")
{
    CHECK(WebInput::mouseButton(0) == MouseButton::Left);
    CHECK(WebInput::mouseButton(1) == MouseButton::Middle);
    CHECK(WebInput::mouseButton(2) == MouseButton::Right);
    CHECK(WebInput::mouseButton(3) == 0);
    CHECK(WebInput::mouseButton(4) == 0);
    CHECK(WebInput::mouseButton(-1) == 0);
}

TEST_CASE("the buttons held during a move: each bit to its button, the side buttons left out")
{
    CHECK(WebInput::mouseButtons(0) == 0);
    CHECK(WebInput::mouseButtons(1) == MouseButton::Left);
    CHECK(WebInput::mouseButtons(2) == MouseButton::Right);
    CHECK(WebInput::mouseButtons(4) == MouseButton::Middle);
    CHECK(WebInput::mouseButtons(1 | 4) == MouseButton::Left + MouseButton::Middle);
    CHECK(WebInput::mouseButtons(8 | 16) == 0);
    CHECK(WebInput::mouseButtons(31) == MouseButton::Left + MouseButton::Right + MouseButton::Middle);
}
