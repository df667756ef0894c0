// Zubrik: what every control's peer does alike: its child window, placed, shown and enabled as the model says.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include "platform/win32/Win32Api.h"

#include <string>

class Win32Accessible;
class Win32Form;

// Every control's window, the system's and the program's own classes alike,
// runs through windowProc(), which tells the model of each press of the mouse
// before the control handles it.
class Win32Control : public ControlPeer
{
public:
    // Makes the child window of the form's (hidden and placed by the first
    // update()); the peer attaches itself to the model.
    Win32Control(Win32Form &form, Control &control, const wchar_t *windowClass, DWORD style,
                 DWORD exStyle, int id, const std::wstring &text = {});
    ~Win32Control() override;

    HWND window() const { return m_window; }
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

protected:
    // Screen readers are answered with an object of the program's own
    // (Win32Accessible) rather than the window class's.
    void makeAccessible();
    Win32Accessible *accessible() const { return m_accessible; }
    // The window drawn again when the loop is idle.
    void invalidate() const;
    HFONT font() const;
    // A message for the control; by default its class's own handling.
    virtual LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void place();

    Win32Form &m_form;
    HWND m_window;
    // The class's procedure, which windowProc() hands on to.
    WNDPROC m_classProc = nullptr;
    // Counted: a reader may hold it after the window is gone.
    Win32Accessible *m_accessible = nullptr;
};
