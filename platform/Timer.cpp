// Zubrik: the periodic timer of a form.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Timer.h"

#include "platform/Handler.h"
#include "platform/Toolkit.h"

Timer::Timer() : m_peer(Toolkit::current().createPeer(*this)) {}

Timer::~Timer() = default;

void Timer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (m_enabled)
        m_peer->start(m_interval);
}

void Timer::setEnabled(bool on)
{
    if (on && !m_enabled)
        m_peer->start(m_interval);
    else if (!on && m_enabled)
        m_peer->stop();
    m_enabled = on;
}

void Timer::tick()
{
    if (m_enabled && m_handler)
        Handler::run(m_handler);
}
