// Zubrik: when a periodic timer's ticks fall due.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/TickSchedule.h"

#include <algorithm>

void TickSchedule::start(std::int64_t now, std::int64_t interval)
{
    m_interval = std::max<std::int64_t>(1, interval);
    m_due = now + m_interval;
    m_running = true;
}

bool TickSchedule::take(std::int64_t now)
{
    if (!m_running || now < m_due)
        return false;
    m_due += m_interval;
    if (m_due <= now)
        m_due += ((now - m_due) / m_interval + 1) * m_interval;
    return true;
}
