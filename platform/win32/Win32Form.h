// Zubrik: a form's peer: a top-level window of the designed client size, fixed, centred, with its controls.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Form.h"

#include "platform/win32/Win32Api.h"

#include <memory>
#include <vector>

class Win32Control;
class Win32Toolkit;

class Win32Form : public FormPeer
{
public:
    // Control ids start above the system's own (IDOK, IDCANCEL).
    static constexpr int firstControlId = 100;

    Win32Form(Win32Toolkit &toolkit, Form &form);
    ~Win32Form() override;
    Win32Form(const Win32Form &) = delete;
    Win32Form &operator=(const Win32Form &) = delete;

    // FormPeer.
    void update() override;
    void show(bool modal) override;
    void unload() override;
    Control *focusedControl() const override;

    HWND window() const { return m_window; }
    // Device pixels per designed pixel.
    int scale() const { return m_scale; }
    HBRUSH backBrush() const { return m_backBrush; }
    COLORREF backColor() const { return m_backColor; }
    // A frame's peer moved: what lies in it follows.
    void containerMoved(const Control &frame);
    // Gives the control the focus now, or when the window next becomes active.
    void focus(HWND control);

    // A key message for this window or a control of it, as the form answers
    // it: true if it is spent and goes no further.
    bool preTranslateKey(const MSG &message);

    // The form window class's procedure.
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    std::unique_ptr<Win32Control> makePeer(Control &control, int id);
    Win32Control *peerWithId(int id) const;
    Win32Control *peerOf(HWND control) const;
    // The press of a mouse button at a point of the client area.
    void pressed(LPARAM at);
    void setTabOrder();
    // Rescales the window and every control for a new dpi.
    void applyScale(int dpi);
    void resize();
    void centre();
    void endModal();

    Win32Toolkit &m_toolkit;
    Form &m_form;
    HWND m_window = nullptr;
    DWORD m_style = 0;
    int m_dpi = 96;
    int m_scale = 1;
    COLORREF m_backColor = 0;
    HBRUSH m_backBrush = nullptr;
    bool m_ownBrush = false;
    std::vector<std::unique_ptr<Win32Control>> m_peers;
    bool m_centred = false;
    bool m_inModalShow = false;
    // The other windows a modal show disabled, to enable again after it.
    std::vector<HWND> m_disabled;
    // The child that had the focus when the window was last active.
    HWND m_focus = nullptr;
};
