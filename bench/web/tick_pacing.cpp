// Zubrik: a page with the game's 20 ms timer alone, for the pacing of the web toolkit's ticks.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// The timer runs for `tickCount` ticks and stops; the page keeps each tick's
// time in window.zubrik.ticks (tests/web/measure.js reads them).
#include "platform/Timer.h"
#include "platform/web/WebToolkit.h"

namespace {

constexpr int interval = 20;
constexpr int tickCount = 600;

} // namespace

int main()
{
    static WebToolkit toolkit;
    static Timer timer;
    static int ticks = 0;
    timer.onTimer([] {
        if (++ticks == tickCount)
            timer.setEnabled(false);
    });
    timer.setInterval(interval);
    timer.setEnabled(true);
    return 0;
}
