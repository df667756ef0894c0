// Zubrik: a timer's peer: ticks at an exact average interval, delivered through the message loop.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Timer.h"

#include "platform/win32/Win32Toolkit.h"

#include <algorithm>

namespace {

// Not in every toolkit's headers yet.
constexpr DWORD createHighResolutionTimer = 0x00000002;

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

std::int64_t Win32Timer::now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
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

void Win32Timer::start(int intervalMilliseconds)
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_interval = std::max<std::int64_t>(1, intervalMilliseconds) * frequency / 1000;
        m_deadline = now() + m_interval;
        m_running = true;
    }
    SetEvent(m_wake);
}

void Win32Timer::stop()
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_running = false;
    }
    SetEvent(m_wake);
}

int Win32Timer::remainingTime() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_running)
        return -1;
    return int(std::max<std::int64_t>(0, m_deadline - now()) * 1000 / frequency);
}

void Win32Timer::arm(std::int64_t at)
{
    // A relative due time, in 100 ns, negative; at least one unit.
    LARGE_INTEGER due;
    due.QuadPart = -std::max<std::int64_t>(1, (m_deadline - at) * 10'000'000 / frequency);
    SetWaitableTimer(m_waitable, &due, 0, nullptr, nullptr, FALSE);
}

void Win32Timer::wait()
{
    const HANDLE events[] = { m_wake, m_waitable };
    for (;;) {
        const DWORD woken = WaitForMultipleObjects(2, events, FALSE, INFINITE);
        std::lock_guard<std::mutex> hold(m_lock);
        if (m_ending)
            return;
        if (!m_running) {
            CancelWaitableTimer(m_waitable);
            continue;
        }
        const std::int64_t at = now();
        if (woken == WAIT_OBJECT_0 + 1 && at >= m_deadline) {
            if (!m_pending.exchange(true))
                PostMessageW(m_target, Win32Toolkit::tickMessage, WPARAM(m_id), 0);
            // The next deadline from the last, not from now: no drift. Ticks
            // missed while the thread was kept from running are skipped.
            m_deadline += m_interval;
            if (m_deadline <= at)
                m_deadline += (at - m_deadline) / m_interval * m_interval + m_interval;
        }
        arm(at);
    }
}

void Win32Timer::deliver()
{
    m_pending = false;
    if (m_inHandler)
        return;
    m_inHandler = true;
    m_model.tick();
    m_inHandler = false;
}
