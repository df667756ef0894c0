// Zubrik: the browser's keys as the game's handlers number them (platform/web/WebKeys).
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/VirtualKey.h"
#include "platform/web/WebKeys.h"

#include <doctest/doctest.h>

using WebKeys::fromEvent;

TEST_CASE("the hidden mode's keys and the dialogs' keys reach the game as the desktop numbers them")
{
    CHECK(fromEvent("ArrowUp", "ArrowUp") == VirtualKey::Up);
    CHECK(fromEvent("ArrowDown", "ArrowDown") == VirtualKey::Down);
    CHECK(fromEvent("ArrowLeft", "ArrowLeft") == VirtualKey::Left);
    CHECK(fromEvent("ArrowRight", "ArrowRight") == VirtualKey::Right);
    CHECK(fromEvent("KeyA", "a") == VirtualKey::A);
    CHECK(fromEvent("KeyB", "B") == VirtualKey::B);
    CHECK(fromEvent("Home", "Home") == VirtualKey::Home);
    CHECK(fromEvent("End", "End") == VirtualKey::End);
    CHECK(fromEvent("Escape", "Escape") == VirtualKey::Escape);
    CHECK(fromEvent("Space", " ") == VirtualKey::Space);
}

TEST_CASE("a key is known by its place, whatever the layout or Shift put on it")
{
    // An AZERTY "A" key sits where QWERTY has Q; the code names the place.
    CHECK(fromEvent("KeyQ", "a") == 'Q');
    CHECK(fromEvent("KeyZ", "z") == 'Z');
    CHECK(fromEvent("Digit1", "!") == '1');
    CHECK(fromEvent("Digit0", ")") == '0');
    CHECK(fromEvent("Semicolon", ":") == 186);
    CHECK(fromEvent("Quote", "\"") == 222);
    CHECK(fromEvent("ShiftLeft", "Shift") == fromEvent("ShiftRight", "Shift"));
    CHECK(fromEvent("ControlRight", "Control") == 17);
}

TEST_CASE("the keypad gives its digits with Num Lock on and its moves with Num Lock off")
{
    CHECK(fromEvent("Numpad1", "1") == VirtualKey::Numpad0 + 1);
    CHECK(fromEvent("Numpad9", "9") == VirtualKey::Numpad0 + 9);
    CHECK(fromEvent("Numpad4", "ArrowLeft") == VirtualKey::Left);
    CHECK(fromEvent("Numpad8", "ArrowUp") == VirtualKey::Up);
    CHECK(fromEvent("Numpad7", "Home") == VirtualKey::Home);
    CHECK(fromEvent("Numpad5", "Clear") == 12);
    CHECK(fromEvent("NumpadEnter", "Enter") == VirtualKey::Return);
    CHECK(fromEvent("Enter", "Enter") == VirtualKey::Return);
}

TEST_CASE("function keys run from F1 to F24 and no further")
{
    CHECK(fromEvent("F1", "F1") == 112);
    CHECK(fromEvent("F12", "F12") == 123);
    CHECK(fromEvent("F24", "F24") == 135);
    CHECK(fromEvent("F25", "F25") == VirtualKey::Unknown);
    CHECK(fromEvent("F0", "F0") == VirtualKey::Unknown);
    CHECK(fromEvent("Fn", "Fn") == VirtualKey::Unknown);
    CHECK(fromEvent("F123", "") == VirtualKey::Unknown);
}

TEST_CASE("what the table does not know gets the code no listed key uses")
{
    for (const char *code : { "", "K", "Key", "Keya", "KeyAB", "Digit", "Digit10", "Numpad",
                              "Numpad10", "IntlRo", "Lang1", "Unidentified" })
        CHECK_MESSAGE(fromEvent(code, "") == VirtualKey::Unknown, code);
}
