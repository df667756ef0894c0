// Zubrik: a toolkit with no windows, for the rules' tests: a clock the test drives, boxes recorded.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Toolkit.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Form;
class HeadlessTimerPeer;

// Installs itself while it exists. Nothing is shown: forms and controls get
// peers that keep the focus and measure captions by a fixed rule; timers tick
// only when the test moves the clock on; a modal show runs the test's hook
// (which may click in the form, pick a choice, unload it) and, if the form is
// still loaded after it, closes it as the player would with its close box.
class HeadlessToolkit : public Toolkit
{
public:
    struct Message
    {
        std::string prompt;
        std::string title;
    };

    // Pixels a caption takes per character: by the fixed rule, ASCII half as
    // wide as the rest, as the designs' proportional Japanese font roughly is.
    static constexpr int asciiWidth = 6;
    static constexpr int wideWidth = 12;
    static constexpr int lineHeight = 13;

    HeadlessToolkit();
    ~HeadlessToolkit() override;

    std::unique_ptr<FormPeer> createPeer(Form &form) override;
    std::unique_ptr<TimerPeer> createPeer(Timer &timer) override;
    void showMessage(const std::string &prompt, const std::string &title) override;
    void beep() override;
    // There is no loop: the test drives the run. The status quit() was given, else 0.
    int exec() override;
    void quit(int exitCode) override;

    // Runs inside every modal show, with the form shown.
    std::function<void(Form &)> onModal;
    // Runs inside every message box, after it is recorded.
    std::function<void(const Message &)> onMessage;

    // Moves the clock on, firing every tick that falls due on the way, in
    // order of time (ties in order of starting).
    void advance(int milliseconds);
    std::int64_t now() const { return m_now; }

    const std::vector<Message> &messages() const { return m_messages; }
    int beeps() const { return m_beeps; }
    // The exit status asked for by quit(), or -1.
    int exitCode() const { return m_exitCode; }
    // Forms shown modally so far, by name, in order.
    const std::vector<std::string> &modalShows() const { return m_modalShows; }

    // The size the fixed rule gives a caption (CR LF between lines), in pixels.
    static std::pair<int, int> captionSize(const std::string &caption);

private:
    friend class HeadlessTimerPeer;
    friend class HeadlessFormPeer;

    std::int64_t m_now = 0;
    std::vector<HeadlessTimerPeer *> m_timers;
    std::vector<Message> m_messages;
    std::vector<std::string> m_modalShows;
    int m_beeps = 0;
    int m_exitCode = -1;
};
