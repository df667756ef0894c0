// Zubrik: the periodic timer of a form.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <functional>
#include <memory>

// What a toolkit backend gives a timer: a tick every interval while started,
// at an exact average (no drift from re-arming).
class TimerPeer
{
public:
    virtual ~TimerPeer() = default;
    // Starts counting down the interval afresh.
    virtual void start(int intervalMilliseconds) = 0;
    virtual void stop() = 0;
    // Milliseconds to the next tick; -1 while stopped.
    virtual int remainingTime() const = 0;
};

// Enabling a running timer leaves its countdown alone, so a press during a
// flight does not delay the next tick; writing the interval restarts it.
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
    int remainingTime() const { return m_peer->remainingTime(); }

    void onTimer(std::function<void()> handler) { m_handler = std::move(handler); }
    // From the backend, once an interval has passed: runs the handler through Handler.
    void tick();

private:
    int m_interval = 0;
    bool m_enabled = false;
    std::function<void()> m_handler;
    std::unique_ptr<TimerPeer> m_peer;
};
