// Zubrik: a timer's peer: the page's clock, and a wake-up the page posts when it is due.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Timer.h"

class WebEventLoop;

class WebTimer : public TimerPeer
{
public:
    WebTimer(WebEventLoop &loop, Timer &timer);
    ~WebTimer() override;
    WebTimer(const WebTimer &) = delete;
    WebTimer &operator=(const WebTimer &) = delete;

    std::int64_t now() const override;
    void wakeAt(std::int64_t at) override;
    void cancel() override;

private:
    WebEventLoop &m_loop;
    Timer &m_timer;
};
