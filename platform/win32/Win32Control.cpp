// Zubrik: what every control's peer does alike: its child window, placed, shown and enabled as the model says.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Control.h"

#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Toolkit.h"

Win32Control::Win32Control(Win32Form &form, Control &control, const wchar_t *windowClass,
                           DWORD style, DWORD exStyle, int id, const std::wstring &text)
    : m_form(form), m_control(control),
      m_window(CreateWindowExW(exStyle, windowClass, text.c_str(),
                               style | WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, form.window(),
                               reinterpret_cast<HMENU>(INT_PTR(id)),
                               Win32Toolkit::instance().module(), this))
{
    SetWindowLongPtrW(m_window, GWLP_USERDATA, LONG_PTR(this));
    SendMessageW(m_window, WM_SETFONT, WPARAM(font()), FALSE);
    m_control.attach(this);
}

LRESULT CALLBACK Win32Control::drawnWindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam)
{
    if (auto *peer = reinterpret_cast<Win32Control *>(GetWindowLongPtrW(window, GWLP_USERDATA)))
        return peer->message(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Control::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(m_window, message, wParam, lParam);
}

Win32Control::~Win32Control()
{
    m_control.attach(nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
}

HFONT Win32Control::font() const
{
    return Win32Toolkit::instance().font(m_control.font(), m_form.scale());
}

RECT Win32Control::placement() const
{
    const POINT at = m_form.origin(m_control);
    return { at.x, at.y, at.x + m_control.pixelWidth(), at.y + m_control.pixelHeight() };
}

void Win32Control::place()
{
    const RECT designed = placement();
    const int scale = m_form.scale();
    RECT now {};
    GetWindowRect(m_window, &now);
    MapWindowPoints(HWND_DESKTOP, m_form.window(), reinterpret_cast<POINT *>(&now), 2);
    const RECT wanted { designed.left * scale, designed.top * scale, designed.right * scale,
                        designed.bottom * scale };
    if (!EqualRect(&now, &wanted))
        SetWindowPos(m_window, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                     wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Control::update()
{
    place();
    const bool shown = (GetWindowLongW(m_window, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != m_control.visible())
        ShowWindow(m_window, m_control.visible() ? SW_SHOWNA : SW_HIDE);
    if ((IsWindowEnabled(m_window) != FALSE) != m_control.enabled())
        EnableWindow(m_window, m_control.enabled());
}

void Win32Control::rescale()
{
    SendMessageW(m_window, WM_SETFONT, WPARAM(font()), FALSE);
    update();
    invalidate();
}

void Win32Control::invalidate() const
{
    if (IsWindowVisible(m_window))
        InvalidateRect(m_window, nullptr, FALSE);
}

void Win32Control::setFocus()
{
    m_form.focus(m_window);
}

bool Win32Control::hasFocus() const
{
    return m_form.focusedControl() == &m_control;
}
