// Zubrik: when a periodic timer's ticks fall due.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

// Deadlines on a steady clock, in any unit. The first falls one interval after
// the start; each next one follows the last deadline, not the moment a tick
// was handled, so lateness never adds up; deadlines that passed while a tick
// was still being handled are skipped, never fired in a burst.
class TickSchedule
{
public:
    void start(std::int64_t now, std::int64_t interval);
    void stop() { m_running = false; }
    bool running() const { return m_running; }
    // The next deadline.
    std::int64_t due() const { return m_due; }
    // The clock stands at `now`: true if a tick is due, and the deadline moves
    // on to the first one after now.
    bool take(std::int64_t now);

private:
    std::int64_t m_interval = 1;
    std::int64_t m_due = 0;
    bool m_running = false;
};
