// Zubrik: a frame's peer: a system group box; the controls in it are placed from its corner.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Frame.h"

#include "platform/Frame.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Text.h"

Win32Frame::Win32Frame(Win32Form &form, Frame &frame, int id)
    : Win32Control(form, frame, L"BUTTON", BS_GROUPBOX, 0, id, Win32Text::widen(frame.caption())),
      m_frame(frame), m_caption(frame.caption())
{
    update();
}

void Win32Frame::update()
{
    if (m_caption != m_frame.caption()) {
        m_caption = m_frame.caption();
        SetWindowTextW(window(), Win32Text::widen(m_caption).c_str());
    }
    Win32Control::update();
    form().containerMoved(m_frame);
}

HBRUSH Win32Frame::colours(HDC dc)
{
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, form().backColor());
    return form().backBrush();
}
