// Zubrik: the browser's toolkit: page elements for the game's forms, its boxes, its beep and its timers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Toolkit.h"
#include "platform/web/WebEventLoop.h"

// Installs itself while it exists. Every native element lives in the page
// (site/page.js); this side tells the page what to show and takes its events
// back through WebEvents into the event loop, which exec(), a modal show and
// a message box run.
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
    int exec() override;
    void quit(int exitCode) override;

    WebEventLoop &loop() { return m_loop; }
    // The page is told the run's exit status; nothing of the game runs any more.
    void runEnded(int exitStatus);

private:
    WebEventLoop m_loop;
    int m_exitCode = 0;
};
