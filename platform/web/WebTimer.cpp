// Zubrik: a timer's peer: the page's clock, and a wake-up the page posts when it is due.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebTimer.h"

#include "platform/web/WebEventLoop.h"
#include "platform/web/WebPage.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double microsecondsPerMillisecond = 1000;

} // namespace

WebTimer::WebTimer(WebEventLoop &loop, Timer &timer) : m_loop(loop), m_timer(timer) {}

WebTimer::~WebTimer()
{
    zubrik_timer_cancel(&m_timer);
    m_loop.forget(&m_timer);
}

std::int64_t WebTimer::now() const
{
    return std::llround(emscripten_get_now() * microsecondsPerMillisecond);
}

void WebTimer::wakeAt(std::int64_t at)
{
    // In whole milliseconds, as timeouts count, rounded up, and one more: a
    // browser that coarsens its clock (Firefox, to the millisecond) may run
    // the timeout while the clock still reads just short of the deadline.
    // Such an early wake-up only asks again, and a timeout set from a timeout
    // waits at least 4 ms: far later than the millisecond spared.
    const double left = std::ceil(double(at - now()) / microsecondsPerMillisecond);
    zubrik_timer_wake_in(&m_timer, int(std::max(0.0, left)) + 1);
}

void WebTimer::cancel()
{
    zubrik_timer_cancel(&m_timer);
}
