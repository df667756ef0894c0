// Zubrik: what every control's peer does alike: its child window, placed, shown and enabled as the model says.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Control.h"

#include "platform/win32/Win32Accessible.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Toolkit.h"

namespace {

// A system button takes the focus when pressed. For a control that the model
// says takes none, the press is handled with the focus refused to it: the
// button still pushes and clicks, the focus stays where it was.
thread_local HWND focusRefusedTo = nullptr;

LRESULT CALLBACK refuseFocus(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_SETFOCUS && reinterpret_cast<HWND>(wParam) == focusRefusedTo)
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT withoutFocus(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HHOOK hook = SetWindowsHookExW(WH_CBT, refuseFocus, nullptr, GetCurrentThreadId());
    focusRefusedTo = window;
    const LRESULT result = CallWindowProcW(proc, window, message, wParam, lParam);
    focusRefusedTo = nullptr;
    if (hook)
        UnhookWindowsHookEx(hook);
    return result;
}

// A press of a mouse button.
bool isPress(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

} // namespace

Win32Control::Win32Control(Win32Form &form, Control &control, const wchar_t *windowClass,
                           DWORD style, DWORD exStyle, int id, const std::wstring &text)
    : ControlPeer(control), m_form(form),
      m_window(CreateWindowExW(exStyle, windowClass, text.c_str(),
                               style | WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, form.window(),
                               reinterpret_cast<HMENU>(INT_PTR(id)),
                               Win32Toolkit::instance().module(), nullptr))
{
    SetWindowLongPtrW(m_window, GWLP_USERDATA, LONG_PTR(this));
    m_classProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc)));
    SendMessageW(m_window, WM_SETFONT, WPARAM(font()), FALSE);
}

Win32Control::~Win32Control()
{
    if (m_accessible) {
        m_accessible->detach();
        m_accessible->Release();
    }
    // The class's own procedure cleans up after the window as it goes.
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_classProc));
    DestroyWindow(m_window);
}

LRESULT CALLBACK Win32Control::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *peer = reinterpret_cast<Win32Control *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (isPress(message))
        peer->model().pointerPressed();
    return peer->message(message, wParam, lParam);
}

void Win32Control::makeAccessible()
{
    if (!m_accessible)
        m_accessible = new Win32Accessible(*this);
}

LRESULT Win32Control::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The object id arrives in the low 32 bits, sign-extended or not.
    if (message == WM_GETOBJECT && m_accessible && DWORD(lParam) == DWORD(OBJID_CLIENT))
        return m_accessible->answer(wParam);
    if (isPress(message) && !model().takesFocus())
        return withoutFocus(m_classProc, m_window, message, wParam, lParam);
    return CallWindowProcW(m_classProc, m_window, message, wParam, lParam);
}

HFONT Win32Control::font() const
{
    return Win32Toolkit::instance().font(model().font(), m_form.scale());
}

void Win32Control::place()
{
    const PixelRect designed = model().pixelRectInForm();
    const int scale = m_form.scale();
    RECT now {};
    GetWindowRect(m_window, &now);
    MapWindowPoints(HWND_DESKTOP, m_form.window(), reinterpret_cast<POINT *>(&now), 2);
    const RECT wanted { designed.x * scale, designed.y * scale, (designed.x + designed.width) * scale,
                        (designed.y + designed.height) * scale };
    if (!EqualRect(&now, &wanted))
        SetWindowPos(m_window, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                     wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Control::update()
{
    place();
    const Control &control = model();
    const bool shown = (GetWindowLongW(m_window, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != control.visible())
        ShowWindow(m_window, control.visible() ? SW_SHOWNA : SW_HIDE);
    if ((IsWindowEnabled(m_window) != FALSE) != control.enabled())
        EnableWindow(m_window, control.enabled());
    if (m_accessible)
        m_accessible->view().changed();
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
    return m_form.focusedControl() == &model();
}
