// Zubrik: a command button's peer: a system push button, clicked by the mouse (the keys are the form's).
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32CommandButton.h"

#include "platform/CommandButton.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Text.h"

Win32CommandButton::Win32CommandButton(Win32Form &form, CommandButton &button, int id)
    : Win32Control(form, button, L"BUTTON", BS_PUSHBUTTON, 0, id,
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
