// Zubrik: how evenly the backend's timer paces a flight of 500 ticks of 20 ms.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// The real main window on the backend of the build: its Timer, on the
// backend's TimerPeer, started by a click of ジャンプ, every tick doing the
// handler's work and then stamped by the steady clock. Prints the figures;
// not a pass/fail test. `make bench` runs it on Qt, `make windows-bench` on
// Win32 under Wine.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/CommandButton.h"
#include "platform/Timer.h"
#include "platform/Toolkit.h"

#ifdef _WIN32
#include "platform/win32/Win32Toolkit.h"
#else
#include "platform/qt/Application.h"
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
#ifdef _WIN32
    (void)argc;
    (void)argv;
    Win32Toolkit toolkit(GetModuleHandleW(nullptr));
#else
    Application application(argc, argv);
#endif
    GameState state;
    Form1 form(state);
    form.show();

    // With no speed and no gravity the meat hovers: one flight that never
    // lands, every tick doing the real work of the handler and the frame.
    state.launchSpeed = 0;
    state.gravity = 0;
    constexpr int ticks = 500;
    constexpr double interval = 20.0;
    using Clock = std::chrono::steady_clock;
    std::vector<Clock::time_point> at;
    at.reserve(ticks + 1);
    form.timer().onTimer([&] {
        form.Timer_Timer();
        at.push_back(Clock::now());
        if (int(at.size()) == ticks + 1)
            Toolkit::current().quit(0);
    });
    at.push_back(Clock::now());
    form.Cmd_jump.click();
    Toolkit::current().exec();

    std::vector<double> gaps;
    for (std::size_t i = 1; i < at.size(); ++i)
        gaps.push_back(std::chrono::duration<double, std::milli>(at[i] - at[i - 1]).count());
    if (gaps.empty())
        return 1;
    const double total = std::chrono::duration<double, std::milli>(at.back() - at.front()).count();
    std::vector<double> sorted = gaps;
    std::sort(sorted.begin(), sorted.end());
    const double p99 = sorted[std::min(sorted.size() - 1, std::size_t(double(sorted.size()) * 0.99))];
    std::printf("ticks: %zu\n", gaps.size());
    std::printf("mean interval: %.3f ms\n", total / double(gaps.size()));
    std::printf("p99 interval: %.3f ms\n", p99);
    std::printf("shortest, longest: %.3f ms, %.3f ms\n", sorted.front(), sorted.back());
    std::printf("cumulative drift after %zu ticks: %.3f ms\n", gaps.size(),
                total - interval * double(gaps.size()));
    return 0;
}
