// Zubrik: the browser's toolkit: page elements for the game's forms, its boxes, its beep and its timers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebToolkit.h"

#include "platform/web/WebForm.h"
#include "platform/web/WebPage.h"
#include "platform/web/WebTimer.h"

namespace {

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
    return std::make_unique<WebForm>(m_loop, form);
}

std::unique_ptr<TimerPeer> WebToolkit::createPeer(Timer &timer)
{
    return std::make_unique<WebTimer>(m_loop, timer);
}

void WebToolkit::showMessage(const std::string &prompt, const std::string &title)
{
    const int box = zubrik_message_show(prompt.c_str(), title.c_str());
    m_loop.run([box] { return !zubrik_message_open(box); });
}

void WebToolkit::beep()
{
    zubrik_beep();
}

int WebToolkit::exec()
{
    m_loop.run([] { return false; });
    return m_exitCode;
}

void WebToolkit::quit(int exitCode)
{
    m_exitCode = exitCode;
    m_loop.quit();
}

void WebToolkit::runEnded(int exitStatus)
{
    zubrik_run_ended(exitStatus);
}
