// Zubrik: a page with the game's 20 ms timer alone, for the pacing of the web toolkit's ticks.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// The timer runs for `tickCount` ticks and stops; each tick's time goes to
// window.zubrikTicks (tests/web/measure.js reads them).
#include "platform/Timer.h"
#include "platform/web/WebToolkit.h"

#include <emscripten.h>

namespace {

constexpr int interval = 20;
constexpr int tickCount = 600;

} // namespace

int main()
{
    WebToolkit toolkit;
    Timer timer;
    int ticks = 0;
    timer.onTimer([&] {
        EM_ASM((window.zubrikTicks = window.zubrikTicks || []).push(performance.now()));
        if (++ticks == tickCount)
            timer.setEnabled(false);
    });
    timer.setInterval(interval);
    timer.setEnabled(true);
    // No window ends the run: the page stays with its ticks.
    return toolkit.exec();
}
