// Zubrik: a timer's peer: the performance counter as its clock, and a wake-up delivered through the message loop.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Timer.h"

#include "platform/win32/Win32Toolkit.h"

namespace {

// Not in every toolkit's headers yet.
constexpr DWORD createHighResolutionTimer = 0x00000002;
constexpr std::int64_t microsecondsPerSecond = 1'000'000;
// A waitable timer counts in 100 ns.
constexpr std::int64_t waitUnitsPerMicrosecond = 10;

std::int64_t counterFrequency()
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

const std::int64_t frequency = counterFrequency();

HANDLE makeHighResolutionTimer()
{
    return CreateWaitableTimerExW(nullptr, nullptr, createHighResolutionTimer, TIMER_ALL_ACCESS);
}

HANDLE makeWaitableTimer()
{
    HANDLE timer = makeHighResolutionTimer();
    return timer ? timer : CreateWaitableTimerW(nullptr, FALSE, nullptr);
}

} // namespace

bool Win32Timer::needsFineClock()
{
    static const bool needed = [] {
        HANDLE timer = makeHighResolutionTimer();
        if (timer)
            CloseHandle(timer);
        return timer == nullptr;
    }();
    return needed;
}

Win32Timer::Win32Timer(Win32Toolkit &toolkit, Timer &timer)
    : m_toolkit(toolkit), m_model(timer), m_id(toolkit.addTimer(this)),
      m_target(toolkit.messageWindow()), m_waitable(makeWaitableTimer()),
      m_wake(CreateEventW(nullptr, FALSE, FALSE, nullptr))
{
    m_thread = std::thread([this] { wait(); });
}

Win32Timer::~Win32Timer()
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_ending = true;
    }
    SetEvent(m_wake);
    m_thread.join();
    m_toolkit.removeTimer(m_id);
    CloseHandle(m_waitable);
    CloseHandle(m_wake);
}

std::int64_t Win32Timer::now() const
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    // In two parts: the counter times a million would overflow after some
    // ten days of a 10 MHz counter.
    const std::int64_t count = counter.QuadPart;
    return count / frequency * microsecondsPerSecond + count % frequency * microsecondsPerSecond / frequency;
}

void Win32Timer::wakeAt(std::int64_t at)
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_deadline = at;
        m_armed = true;
    }
    SetEvent(m_wake);
}

void Win32Timer::cancel()
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_armed = false;
    }
    SetEvent(m_wake);
}

void Win32Timer::wait()
{
    const HANDLE events[] = { m_wake, m_waitable };
    for (;;) {
        WaitForMultipleObjects(2, events, FALSE, INFINITE);
        std::lock_guard<std::mutex> hold(m_lock);
        if (m_ending)
            return;
        if (!m_armed) {
            CancelWaitableTimer(m_waitable);
            continue;
        }
        const std::int64_t left = m_deadline - now();
        if (left <= 0) {
            m_armed = false;
            PostMessageW(m_target, Win32Toolkit::tickMessage, WPARAM(m_id), 0);
            continue;
        }
        // A relative due time, negative; a wait that ends early waits again.
        LARGE_INTEGER due;
        due.QuadPart = -left * waitUnitsPerMicrosecond;
        SetWaitableTimer(m_waitable, &due, 0, nullptr, nullptr, FALSE);
    }
}

void Win32Timer::deliver()
{
    m_model.wake();
}
