// Zubrik: a timer's peer: the steady clock, and a precise one-shot Qt timer that wakes the model.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtTimer.h"

#include <algorithm>
#include <chrono>
#include <limits>

QtTimer::QtTimer(Timer &timer) : m_model(timer)
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, [this] { m_model.wake(); });
}

std::int64_t QtTimer::now() const
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void QtTimer::wakeAt(std::int64_t at)
{
    // Qt counts whole milliseconds: rounded up, so as never to wake early.
    const std::int64_t left = std::max<std::int64_t>(0, at - now());
    m_wake.start(int(std::min<std::int64_t>((left + 999) / 1000, std::numeric_limits<int>::max())));
}

void QtTimer::cancel()
{
    m_wake.stop();
}
