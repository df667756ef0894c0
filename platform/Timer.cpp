// Zubrik: the periodic timer of a form.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Timer.h"

#include "platform/Handler.h"
#include "platform/Toolkit.h"

#include <algorithm>

namespace {

constexpr std::int64_t microsecondsPerMillisecond = 1000;

} // namespace

Timer::Timer() : m_peer(Toolkit::current().createPeer(*this)) {}

Timer::~Timer() = default;

void Timer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (m_enabled)
        start();
}

void Timer::setEnabled(bool on)
{
    if (on && !m_enabled) {
        m_enabled = true;
        start();
    } else if (!on && m_enabled) {
        m_enabled = false;
        m_schedule.stop();
        m_peer->cancel();
    }
}

void Timer::start()
{
    m_schedule.start(m_peer->now(), std::int64_t(std::max(1, m_interval)) * microsecondsPerMillisecond);
    m_peer->wakeAt(m_schedule.due());
}

int Timer::remainingTime() const
{
    if (!m_schedule.running())
        return -1;
    const std::int64_t left = std::max<std::int64_t>(0, m_schedule.due() - m_peer->now());
    return int((left + microsecondsPerMillisecond - 1) / microsecondsPerMillisecond);
}

void Timer::wake()
{
    if (m_schedule.take(m_peer->now()))
        tick();
    // Asked again after the handler, which may have stopped or restarted the
    // timer; a wake-up that came early asks again for the same deadline.
    if (m_schedule.running())
        m_peer->wakeAt(m_schedule.due());
}

void Timer::tick()
{
    if (!m_enabled || !m_handler || m_ticking)
        return;
    m_ticking = true;
    Handler::run(m_handler);
    m_ticking = false;
}
