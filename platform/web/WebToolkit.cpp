// Zubrik: the browser's toolkit: page elements for the game's forms, its boxes, its beep and its timers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebToolkit.h"

#include "platform/web/WebForm.h"
#include "platform/web/WebPage.h"
#include "platform/web/WebTimer.h"

#include <emscripten.h>

namespace {

// How often a blocked handler looks whether its window or box is gone.
constexpr int waitStepMilliseconds = 8;

WebToolkit *installed = nullptr;

} // namespace

WebToolkit::WebToolkit()
{
    installed = this;
    Toolkit::install(this);
}

WebToolkit::~WebToolkit()
{
    Toolkit::install(nullptr);
    installed = nullptr;
}

WebToolkit &WebToolkit::current()
{
    return *installed;
}

std::unique_ptr<FormPeer> WebToolkit::createPeer(Form &form)
{
    return std::make_unique<WebForm>(*this, form);
}

std::unique_ptr<TimerPeer> WebToolkit::createPeer(Timer &timer)
{
    return std::make_unique<WebTimer>(timer);
}

void WebToolkit::showMessage(const std::string &prompt, const std::string &title)
{
    const int box = zubrik_message_show(prompt.c_str(), title.c_str());
    // Asked for while another handler sleeps (a run-time error inside a
    // dialog, say): the box stays up over everything until the player
    // dismisses it, and the handler goes on at once.
    wait([box] { return !zubrik_message_open(box); });
}

void WebToolkit::beep()
{
    zubrik_beep();
}

void WebToolkit::quit(int exitCode)
{
    m_stopped = true;
    zubrik_quit(exitCode);
}

bool WebToolkit::wait(const std::function<bool()> &done)
{
    if (m_waiting)
        return false;
    m_waiting = true;
    while (!m_stopped && !done())
        emscripten_sleep(waitStepMilliseconds);
    m_waiting = false;
    // What the handler draws from here on is shown once it returns.
    zubrik_pictures_flush_soon();
    return true;
}
