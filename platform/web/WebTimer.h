// Zubrik: a timer's peer: ticks against a fixed grid of deadlines, so that re-arming never drifts.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Timer.h"

// The page keeps the schedule (site/page.js): the n-th tick is due at
// start + n * interval, each timeout armed for what is left to its deadline.
class WebTimer : public TimerPeer
{
public:
    explicit WebTimer(Timer &timer);
    ~WebTimer() override;
    WebTimer(const WebTimer &) = delete;
    WebTimer &operator=(const WebTimer &) = delete;

    void start(int intervalMilliseconds) override;
    void stop() override;
    int remainingTime() const override;

private:
    Timer &m_timer;
};
