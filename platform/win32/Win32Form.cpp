// Zubrik: a form's peer: a top-level window of the designed client size, fixed, centred, with its controls.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Form.h"

#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/ImageBox.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "platform/win32/Win32CommandButton.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Frame.h"
#include "platform/win32/Win32ImageBox.h"
#include "platform/win32/Win32Keys.h"
#include "platform/win32/Win32Label.h"
#include "platform/win32/Win32Line.h"
#include "platform/win32/Win32PictureBox.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Toolkit.h"

#include <windowsx.h>

namespace {

// Fixed size, a title bar with the close box alone; or no border at all. The
// window paints under its controls too: a group box draws its frame alone.
DWORD formStyle(const Form &form)
{
    if (form.border() == FormBorder::None)
        return WS_POPUP;
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
}

} // namespace

Win32Form::Win32Form(Win32Toolkit &toolkit, Form &form)
    : m_toolkit(toolkit), m_form(form), m_style(formStyle(form))
{
    if (const auto &back = form.backColor()) {
        m_backColor = RGB(back->red, back->green, back->blue);
        m_backBrush = CreateSolidBrush(m_backColor);
        m_ownBrush = true;
    } else {
        m_backColor = GetSysColor(COLOR_BTNFACE);
        m_backBrush = GetSysColorBrush(COLOR_BTNFACE);
    }
    // Made where it will be shown, so that it is made at that screen's scale.
    POINT centre { GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2 };
    m_dpi = Win32Dpi::dpiAtPoint(centre);
    m_scale = Win32Dpi::scaleForDpi(m_dpi);
    m_window = CreateWindowExW(0, Win32Toolkit::formClass, Win32Text::widen(form.caption()).c_str(),
                               m_style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                               toolkit.module(), this);
    // The window's own monitor has the last word.
    const int dpi = Win32Dpi::dpiOfWindow(m_window);
    if (dpi != m_dpi) {
        m_dpi = dpi;
        m_scale = Win32Dpi::scaleForDpi(dpi);
    }
    int id = firstControlId;
    for (const auto &control : form.controls())
        m_peers.push_back(makePeer(*control, id++));
    setTabOrder();
    resize();
    m_toolkit.addForm(this);
}

Win32Form::~Win32Form()
{
    m_toolkit.removeForm(this);
    endModal();
    m_peers.clear();
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
    if (m_ownBrush)
        DeleteObject(m_backBrush);
}

std::unique_ptr<Win32Control> Win32Form::makePeer(Control &control, int id)
{
    switch (control.kind()) {
    case ControlKind::CommandButton:
        return std::make_unique<Win32CommandButton>(*this, static_cast<CommandButton &>(control), id);
    case ControlKind::Label:
        return std::make_unique<Win32Label>(*this, static_cast<Label &>(control), id);
    case ControlKind::PictureBox:
        return std::make_unique<Win32PictureBox>(*this, static_cast<PictureBox &>(control), id);
    case ControlKind::Frame:
        return std::make_unique<Win32Frame>(*this, static_cast<Frame &>(control), id);
    case ControlKind::Line:
        return std::make_unique<Win32Line>(*this, static_cast<Line &>(control), id);
    case ControlKind::ImageBox:
        return std::make_unique<Win32ImageBox>(*this, static_cast<ImageBox &>(control), id);
    }
    return nullptr;
}

void Win32Form::setTabOrder()
{
    // The design lists the controls bottom first: each goes on top in turn.
    for (const auto &peer : m_peers)
        SetWindowPos(peer->window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Assistive tools walk the children from the top of the stack down: the
    // controls Tab reaches head it in their order. They lie clear of the
    // others, so that covers nothing.
    HWND previous = HWND_TOP;
    for (const Control *control : m_form.tabOrderControls()) {
        HWND window = static_cast<const Win32Control *>(control->peer())->window();
        SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = window;
    }
}

Win32Control *Win32Form::peerWithId(int id) const
{
    const int index = id - firstControlId;
    return index >= 0 && index < int(m_peers.size()) ? m_peers[std::size_t(index)].get() : nullptr;
}

Win32Control *Win32Form::peerOf(HWND control) const
{
    for (const auto &peer : m_peers)
        if (peer->window() == control)
            return peer.get();
    return nullptr;
}

void Win32Form::containerMoved(const Control &frame)
{
    for (const auto &peer : m_peers)
        if (peer->model().container() == &frame)
            peer->update();
}

void Win32Form::update()
{
    const std::wstring caption = Win32Text::widen(m_form.caption());
    wchar_t shown[256] = {};
    GetWindowTextW(m_window, shown, 256);
    if (caption != shown)
        SetWindowTextW(m_window, caption.c_str());
    resize();
}

void Win32Form::resize()
{
    // Decorations lie outside: the size is the client area's.
    RECT client { 0, 0, m_form.pixelWidth() * m_scale, m_form.pixelHeight() * m_scale };
    const RECT outer = Win32Dpi::outerRect(client, m_style, 0, m_dpi);
    RECT now {};
    GetWindowRect(m_window, &now);
    if (now.right - now.left != outer.right - outer.left || now.bottom - now.top != outer.bottom - outer.top)
        SetWindowPos(m_window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::centre()
{
    MONITORINFO monitor {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &area = monitor.rcWork;
    RECT outer {};
    GetWindowRect(m_window, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SetWindowPos(m_window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::applyScale(int dpi)
{
    m_dpi = dpi;
    const int scale = Win32Dpi::scaleForDpi(dpi);
    if (scale == m_scale)
        return;
    m_scale = scale;
    for (const auto &peer : m_peers)
        peer->rescale();
    resize();
}

void Win32Form::show(bool modal)
{
    if (!m_centred) {
        centre();
        m_centred = true;
    }
    if (modal) {
        // The others take no input until this one goes; it stays above the
        // window it was shown from.
        HWND owner = GetActiveWindow();
        for (Win32Form *other : m_toolkit.forms()) {
            HWND window = other->window();
            if (window != m_window && IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                m_disabled.push_back(window);
            }
        }
        if (owner && owner != m_window)
            SetWindowLongPtrW(m_window, GWLP_HWNDPARENT, LONG_PTR(owner));
    }
    ShowWindow(m_window, SW_SHOW);
    SetForegroundWindow(m_window);
    if (!modal || !m_form.isLoaded())
        return; // not modal, or unloaded already while being shown
    m_inModalShow = true;
    m_toolkit.runWhile([this] { return m_inModalShow && m_form.isLoaded(); });
    m_inModalShow = false;
}

void Win32Form::endModal()
{
    m_inModalShow = false;
    // Enabled again before this one hides, so that Windows activates the
    // window below rather than another program's.
    for (HWND window : m_disabled)
        EnableWindow(window, TRUE);
    m_disabled.clear();
}

void Win32Form::unload()
{
    endModal();
    ShowWindow(m_window, SW_HIDE);
}

Control *Win32Form::focusedControl() const
{
    // While the window is not active, the control that will have it back.
    HWND focus = GetActiveWindow() == m_window ? GetFocus() : m_focus;
    const Win32Control *peer = peerOf(focus);
    return peer ? &peer->model() : nullptr;
}

void Win32Form::focus(HWND control)
{
    m_focus = control;
    if (GetActiveWindow() == m_window)
        SetFocus(control);
}

bool Win32Form::preTranslateKey(const MSG &message)
{
    const auto key = std::int16_t(message.wParam);
    const std::int16_t shift = Win32Keys::shiftState();
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)
        return m_form.pressKey(key, shift);
    return m_form.releaseKey(key, shift);
}

void Win32Form::pressed(LPARAM at)
{
    // Labels, rules, pictures and frames let the mouse through to the window
    // beneath: the press is theirs all the same.
    const POINT point { GET_X_LPARAM(at), GET_Y_LPARAM(at) };
    HWND child = ChildWindowFromPointEx(m_window, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (Win32Control *peer = peerOf(child))
        peer->model().pointerPressed();
}

LRESULT CALLBACK Win32Form::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
        auto *form = static_cast<Win32Form *>(create->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(form));
    }
    if (auto *form = reinterpret_cast<Win32Form *>(GetWindowLongPtrW(window, GWLP_USERDATA)))
        return form->handle(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        // The form decides; the window goes only if it unloads.
        m_form.requestClose();
        return 0;
    case WM_COMMAND:
        if (Win32Control *peer = peerWithId(LOWORD(wParam)); peer && lParam)
            peer->command(HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (Win32Control *peer = peerOf(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = peer->colours(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        pressed(lParam);
        break;
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(m_window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, m_backBrush);
        return 1;
    }
    case WM_ACTIVATE:
        // Windows gives the focus to the window itself on activation: the
        // control that had it gets it back.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (peerOf(GetFocus()))
                m_focus = GetFocus();
        } else if (m_focus && IsWindowVisible(m_focus) && IsWindowEnabled(m_focus)) {
            SetFocus(m_focus);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        applyScale(HIWORD(wParam));
        const RECT *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}
