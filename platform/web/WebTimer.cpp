// Zubrik: a timer's peer: ticks against a fixed grid of deadlines, so that re-arming never drifts.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebTimer.h"

#include "platform/web/WebPage.h"

WebTimer::WebTimer(Timer &timer) : m_timer(timer) {}

WebTimer::~WebTimer()
{
    zubrik_timer_stop(&m_timer);
}

void WebTimer::start(int intervalMilliseconds)
{
    zubrik_timer_start(&m_timer, intervalMilliseconds);
}

void WebTimer::stop()
{
    zubrik_timer_stop(&m_timer);
}

int WebTimer::remainingTime() const
{
    return zubrik_timer_remaining(&m_timer);
}
