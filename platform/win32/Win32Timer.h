// Zubrik: a timer's peer: ticks at an exact average interval, delivered through the message loop.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Timer.h"

#include "platform/win32/Win32Api.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

class Win32Toolkit;

// SetTimer waits for the system clock's next tick (15.6 ms unless a program
// asks for more), so 20 ms would come every 31 ms. Here a thread of the
// timer's own waits on a high-resolution waitable timer (Windows 10 1803 on;
// before, a plain one with the clock at 1 ms) for deadlines counted from the
// start, so that lateness never adds up, and posts each tick to the toolkit's
// message window. Any message loop delivers it on the windows' thread: the
// program's own, a modal form's, the message box's. One tick waits at a time:
// a tick that falls due while the last is still waiting or running is
// dropped, so a slow handler, or one inside a box it opened, is never
// re-entered by its own timer, and no burst follows it.
class Win32Timer : public TimerPeer
{
public:
    Win32Timer(Win32Toolkit &toolkit, Timer &timer);
    ~Win32Timer() override;
    Win32Timer(const Win32Timer &) = delete;
    Win32Timer &operator=(const Win32Timer &) = delete;

    void start(int intervalMilliseconds) override;
    void stop() override;
    int remainingTime() const override;

    // The posted tick, on the windows' thread.
    void deliver();

    // Whether the system's clock must tick every 1 ms for the program's
    // timers: on Windows before 10 1803, which has no high-resolution waits.
    static bool needsFineClock();

private:
    void wait();
    // Arms the waitable timer for the next deadline; the lock is held.
    void arm(std::int64_t now);
    static std::int64_t now();

    Win32Toolkit &m_toolkit;
    Timer &m_model;
    int m_id;
    HWND m_target;
    HANDLE m_waitable;
    HANDLE m_wake;
    mutable std::mutex m_lock;
    bool m_running = false;
    bool m_ending = false;
    std::int64_t m_interval = 0; // in counts of the performance counter
    std::int64_t m_deadline = 0;
    std::atomic<bool> m_pending { false };
    bool m_inHandler = false;
    std::thread m_thread;
};
