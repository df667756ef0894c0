// Zubrik: a command button's peer: a system push button, clicked by mouse, Space and Return.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32CommandButton.h"

#include "platform/CommandButton.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Text.h"

namespace {

// Each button is a group of its own, so that the arrow keys do not move the
// focus between buttons: they are the game's keys.
DWORD buttonStyle(const CommandButton &button)
{
    return BS_PUSHBUTTON | WS_GROUP | (button.tabStop() ? WS_TABSTOP : 0);
}

} // namespace

Win32CommandButton::Win32CommandButton(Win32Form &form, CommandButton &button, int id)
    : Win32Control(form, button, L"BUTTON", buttonStyle(button), 0, id,
                   Win32Text::widen(button.caption())),
      m_button(button), m_caption(button.caption())
{
    update();
}

void Win32CommandButton::update()
{
    if (m_caption != m_button.caption()) {
        m_caption = m_button.caption();
        SetWindowTextW(window(), Win32Text::widen(m_caption).c_str());
    }
    const LONG style = GetWindowLongW(window(), GWL_STYLE);
    const LONG wanted = m_button.tabStop() ? style | WS_TABSTOP : style & ~WS_TABSTOP;
    if (wanted != style)
        SetWindowLongW(window(), GWL_STYLE, wanted);
    Win32Control::update();
}

void Win32CommandButton::command(int notification)
{
    if (notification == BN_CLICKED)
        m_button.click();
}

HBRUSH Win32CommandButton::colours(HDC)
{
    // The corners around the rounded face show the window's colour.
    return form().backBrush();
}
