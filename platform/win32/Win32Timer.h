// Zubrik: a timer's peer: the performance counter as its clock, and a wake-up delivered through the message loop.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Timer.h"

#include "platform/win32/Win32Api.h"

#include <cstdint>
#include <mutex>
#include <thread>

class Win32Toolkit;

// SetTimer waits for the system clock's next tick (15.6 ms unless a program
// asks for more), so 20 ms would come every 31 ms. Here a thread of the
// timer's own waits on a high-resolution waitable timer (Windows 10 1803 on;
// before, a plain one with the clock at 1 ms) for the deadline the model
// asked for, and posts the wake-up to the toolkit's message window. Any
// message loop delivers it on the windows' thread: the program's own, a modal
// form's, the message box's.
class Win32Timer : public TimerPeer
{
public:
    Win32Timer(Win32Toolkit &toolkit, Timer &timer);
    ~Win32Timer() override;
    Win32Timer(const Win32Timer &) = delete;
    Win32Timer &operator=(const Win32Timer &) = delete;

    // TimerPeer: microseconds of the performance counter.
    std::int64_t now() const override;
    void wakeAt(std::int64_t at) override;
    void cancel() override;

    // The posted wake-up, on the windows' thread.
    void deliver();

    // Whether the system's clock must tick every 1 ms for the program's
    // timers: on Windows before 10 1803, which has no high-resolution waits.
    static bool needsFineClock();

private:
    void wait();

    Win32Toolkit &m_toolkit;
    Timer &m_model;
    int m_id;
    HWND m_target;
    HANDLE m_waitable;
    HANDLE m_wake;
    std::mutex m_lock;
    bool m_armed = false;
    bool m_ending = false;
    std::int64_t m_deadline = 0;
    std::thread m_thread;
};
