// Zubrik: a timer's peer: a precise Qt timer whose timeouts tick the model.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtTimer.h"

QtTimer::QtTimer(Timer &timer) : m_model(timer)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_model.tick(); });
}

void QtTimer::start(int intervalMilliseconds)
{
    m_timer.start(intervalMilliseconds);
}

void QtTimer::stop()
{
    m_timer.stop();
}

int QtTimer::remainingTime() const
{
    return m_timer.remainingTime();
}
