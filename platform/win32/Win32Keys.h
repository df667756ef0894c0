// Zubrik: the keyboard's shift keys and the mouse's buttons as the game's handlers number them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/VirtualKey.h"

#include "platform/win32/Win32Api.h"

#include <cstdint>

// Key codes need no table here: the handlers' codes are this platform's own
// virtual keys.
namespace Win32Keys {

// Shift, Ctrl and Alt held now, as a sum of ShiftState values.
std::int16_t shiftState();
// The buttons a mouse message's wParam holds down, as a sum of MouseButton values.
std::int16_t mouseButtons(WPARAM wParam);

} // namespace Win32Keys
