// Zubrik: the browser's toolkit: page elements for the game's forms, its boxes, its beep and its timers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Toolkit.h"

#include <functional>

// Installs itself while it exists. Every native element lives in the page
// (site/page.js); this side tells the page what to show and takes its events
// back through WebEvents. A modal show and a message box block the handler
// that asked for them by sleeping (Asyncify) until they are over, the page
// running meanwhile. Only one stack can sleep at a time: a box or a modal show
// asked for while one already sleeps cannot block; see wait().
class WebToolkit : public Toolkit
{
public:
    WebToolkit();
    ~WebToolkit() override;
    WebToolkit(const WebToolkit &) = delete;
    WebToolkit &operator=(const WebToolkit &) = delete;

    static WebToolkit &current();

    std::unique_ptr<FormPeer> createPeer(Form &form) override;
    std::unique_ptr<TimerPeer> createPeer(Timer &timer) override;
    void showMessage(const std::string &prompt, const std::string &title) override;
    void beep() override;
    // The page cannot end with a status: every control is disabled, the
    // timers stop, and the page says that the game has stopped.
    void quit(int exitCode) override;

    // Sleeps, the page running, until done() holds or the game has stopped;
    // true once it has. False at once, without sleeping, while another call
    // sleeps already: a second suspended stack would corrupt the first.
    bool wait(const std::function<bool()> &done);
    bool stopped() const { return m_stopped; }

private:
    bool m_waiting = false;
    bool m_stopped = false;
};
