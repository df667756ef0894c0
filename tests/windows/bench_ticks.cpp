// Zubrik: how evenly the Windows timer paces a flight of 500 ticks of 20 ms.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// The Windows twin of bench/bench_ticks: the real main window on the Win32
// toolkit, its timer started by a press of ジャンプ, every tick doing the
// handler's work and then stamped by the performance counter. Prints the
// figures; not a pass/fail test. `make windows-bench` runs it under Wine.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/CommandButton.h"
#include "platform/Timer.h"
#include "platform/win32/Win32Toolkit.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double counterMilliseconds()
{
    static const double perMillisecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return double(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / perMillisecond;
}

} // namespace

int main()
{
    Win32Toolkit toolkit(GetModuleHandleW(nullptr));
    GameState state;
    Form1 form(state);
    form.show();

    // With no speed and no gravity the meat hovers: one flight that never
    // lands, every tick doing the real work of the handler and the frame.
    state.launchSpeed = 0;
    state.gravity = 0;
    constexpr int ticks = 500;
    constexpr double interval = 20.0;
    std::vector<double> at;
    at.reserve(ticks + 1);
    form.timer().onTimer([&] {
        form.Timer_Timer();
        at.push_back(counterMilliseconds());
        if (int(at.size()) == ticks + 1)
            toolkit.quit(0);
    });
    at.push_back(counterMilliseconds());
    form.Cmd_jump.click();
    toolkit.run();

    std::vector<double> gaps;
    for (std::size_t i = 1; i < at.size(); ++i)
        gaps.push_back(at[i] - at[i - 1]);
    if (gaps.empty())
        return 1;
    const double total = at.back() - at.front();
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
