// Zubrik: the browser's keys, shift keys and mouse buttons as the game's handlers number them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>
#include <string>

namespace WebInput {

// The virtual-key code of a KeyboardEvent, from its `code` (the key's place
// on a US keyboard, so a shifted symbol gives its key's code) and its `key`
// (which tells a keypad key with Num Lock off, "ArrowLeft" on "Numpad4",
// from a digit). Unknown keys give VirtualKey::Unknown.
std::int16_t keyCode(const std::string &code, const std::string &key);

// An event's shiftKey, ctrlKey and altKey as a sum of ShiftState values.
std::int16_t shiftState(bool shift, bool ctrl, bool alt);

// A MouseEvent's `button` (0 main, 1 middle, 2 secondary, 3 and 4 the side
// buttons) as a MouseButton value; 0 for a button the game has no name for.
std::int16_t mouseButton(int domButton);
// A MouseEvent's `buttons` (bits 1 main, 2 secondary, 4 middle, 8 and 16 the
// side buttons) as a sum of MouseButton values.
std::int16_t mouseButtons(int domButtons);

} // namespace WebInput
