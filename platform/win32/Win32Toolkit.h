// Zubrik: the Win32 toolkit: the game's forms as windows, its boxes, its beep, and the message loop.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Font.h"
#include "platform/Toolkit.h"

#include "platform/win32/Win32Api.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

class Win32Form;
class Win32Timer;

// Installs itself while it exists; one per program, on the thread that shows
// the windows. Timers tick on that thread, through the message loop, also
// inside the message box's loop and a modal form's.
//
// A program, or a benchmark, makes the toolkit, its forms and timers, then
// runs (Program::run, or exec()) until quit().
class Win32Toolkit : public Toolkit
{
public:
    // Window class names of the controls drawn by the program itself.
    static constexpr const wchar_t *formClass = L"ZubrikForm";
    static constexpr const wchar_t *pictureClass = L"ZubrikPicture";
    static constexpr const wchar_t *imageClass = L"ZubrikImage";
    static constexpr const wchar_t *lineClass = L"ZubrikLine";

    explicit Win32Toolkit(HINSTANCE instance);
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit &) = delete;
    Win32Toolkit &operator=(const Win32Toolkit &) = delete;

    static Win32Toolkit &instance();

    std::unique_ptr<FormPeer> createPeer(Form &form) override;
    std::unique_ptr<TimerPeer> createPeer(Timer &timer) override;
    void showMessage(const std::string &prompt, const std::string &title) override;
    void beep() override;
    // The message loop, until quit(); a later one starts afresh.
    int exec() override;
    void quit(int exitCode) override;

    // Runs the message loop while the condition holds and the program is not
    // ending (a modal show's loop).
    void runWhile(const std::function<bool()> &condition);

    HINSTANCE module() const { return m_instance; }
    HICON icon(bool small) const { return small ? m_smallIcon : m_largeIcon; }
    // The designed font as an installed one, at the scale; kept for the
    // toolkit's life.
    HFONT font(const Font &font, int scale);

    // Form windows register while they exist, so that a modal show can
    // disable the others and keys reach the form they are typed in.
    void addForm(Win32Form *form);
    void removeForm(Win32Form *form);
    const std::vector<Win32Form *> &forms() const { return m_forms; }

    // Timers post their ticks to the toolkit's message window, by number.
    HWND messageWindow() const { return m_messageWindow; }
    int addTimer(Win32Timer *timer);
    void removeTimer(int id);
    static constexpr UINT tickMessage = WM_APP + 1;

private:
    static LRESULT CALLBACK messageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void registerClasses();
    // Keys go to the form they are typed in, which may spend them.
    bool preTranslate(const MSG &message);
    std::wstring fontFamily();

    HINSTANCE m_instance;
    HWND m_messageWindow = nullptr;
    HICON m_largeIcon = nullptr;
    HICON m_smallIcon = nullptr;
    std::wstring m_family;
    std::map<std::tuple<double, bool, int, std::string>, HFONT> m_fonts;
    std::vector<Win32Form *> m_forms;
    std::map<int, Win32Timer *> m_timers;
    int m_nextTimer = 1;
    int m_loopDepth = 0;
    bool m_quitting = false;
    int m_exitCode = 0;
    bool m_ole = false;
};
