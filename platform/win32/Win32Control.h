// Zubrik: what every control's peer does alike: its child window, placed, shown and enabled as the model says.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include "platform/win32/Win32Api.h"

#include <string>

class Win32Form;

class Win32Control : public ControlPeer
{
public:
    // Makes the child window (hidden and placed by the first update()) and
    // attaches this peer to the model.
    Win32Control(Win32Form &form, Control &control, const wchar_t *windowClass, DWORD style,
                 DWORD exStyle, int id, const std::wstring &text = {});
    ~Win32Control() override;
    Win32Control(const Win32Control &) = delete;
    Win32Control &operator=(const Win32Control &) = delete;

    HWND window() const { return m_window; }
    Control &model() const { return m_control; }
    Win32Form &form() const { return m_form; }

    // ControlPeer: placement, visibility and enabled state.
    void update() override;
    void setFocus() override;
    bool hasFocus() const override;

    // The window's scale changed: fonts and placement follow.
    virtual void rescale();
    // WM_COMMAND from the control; WM_CTLCOLOR* for it (nullptr: the default).
    virtual void command(int) {}
    virtual HBRUSH colours(HDC) { return nullptr; }

    // The window procedure of the controls the program draws itself, which
    // hands each message to the peer's message().
    static LRESULT CALLBACK drawnWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // The control's own placement in designed pixels (a line computes its own).
    virtual RECT placement() const;
    void place();
    // The window drawn again when the loop is idle.
    void invalidate() const;
    HFONT font() const;
    virtual LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);

private:
    Win32Form &m_form;
    Control &m_control;
    HWND m_window;
};
