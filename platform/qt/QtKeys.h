// Zubrik: Qt's keys, modifiers and mouse buttons as the game's key and mouse handlers number them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace QtKeys {

// The virtual-key code of a Qt key (VirtualKey::Unknown for one the table
// does not know); keypad: the key is on the numeric keypad.
std::int16_t fromQtKey(int qtKey, bool keypad);
std::int16_t fromEvent(const QKeyEvent &event);

// A sum of ShiftState values.
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);
// A sum of MouseButton values; buttons the game has no number for count for nothing.
std::int16_t mouseButtons(Qt::MouseButtons buttons);

} // namespace QtKeys
