// Zubrik: the keyboard's shift keys and the mouse's buttons as the game's handlers number them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Keys.h"

namespace Win32Keys {

std::int16_t shiftState()
{
    std::int16_t shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift += ShiftState::Shift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift += ShiftState::Ctrl;
    if (GetKeyState(VK_MENU) < 0)
        shift += ShiftState::Alt;
    return shift;
}

std::int16_t mouseButtons(WPARAM wParam)
{
    std::int16_t buttons = 0;
    if (wParam & MK_LBUTTON)
        buttons += MouseButton::Left;
    if (wParam & MK_RBUTTON)
        buttons += MouseButton::Right;
    if (wParam & MK_MBUTTON)
        buttons += MouseButton::Middle;
    return buttons;
}

} // namespace Win32Keys
