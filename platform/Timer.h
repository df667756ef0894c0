// Zubrik: the periodic timer of a form.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/TickSchedule.h"

#include <cstdint>
#include <functional>
#include <memory>

// What a toolkit backend gives a timer: a steady clock, and a wake-up. The
// timer keeps its own schedule (TickSchedule); the peer only wakes it.
class TimerPeer
{
public:
    virtual ~TimerPeer() = default;
    // A steady clock, in microseconds.
    virtual std::int64_t now() const = 0;
    // Calls Timer::wake() once, when the clock has reached `at` (later if the
    // event loop is busy), from the event loop; replaces an earlier wake-up.
    virtual void wakeAt(std::int64_t at) = 0;
    // No wake-up any more.
    virtual void cancel() = 0;
};

// Enabling a running timer leaves its countdown alone, so a press during a
// flight does not delay the next tick; writing the interval restarts it. The
// first tick comes one interval after a start, then one every interval on
// the schedule's deadlines; a tick never re-enters its own handler (one that
// fell due meanwhile is skipped).
class Timer
{
public:
    Timer();
    ~Timer();
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);
    // Milliseconds to the next tick, rounded up; -1 while stopped.
    int remainingTime() const;

    void onTimer(std::function<void()> handler) { m_handler = std::move(handler); }
    // From the backend, at the wake-up it was asked for.
    void wake();
    // Runs the handler through Handler now, unless it is running already.
    void tick();

private:
    void start();

    int m_interval = 0;
    bool m_enabled = false;
    bool m_ticking = false;
    TickSchedule m_schedule;
    std::function<void()> m_handler;
    std::unique_ptr<TimerPeer> m_peer;
};
