// Zubrik: how evenly the main window's timer paces a flight of 500 ticks.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/CommandButton.h"
#include "platform/qt/Application.h"
#include "platform/qt/QtToolkit.h"

#include <QAbstractButton>

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    GameState state;
    Form1 form(state);
    form.show();

    // With no speed and no gravity the meat hovers: one flight that never
    // lands, every tick doing the real work of the handler and the frame.
    state.launchSpeed = 0;
    state.gravity = 0;
    constexpr int ticks = 500;
    std::vector<qint64> at;
    at.reserve(ticks + 1);
    QElapsedTimer clock;
    // Each tick does the handler's work, then is stamped.
    form.timer().onTimer([&] {
        form.Timer_Timer();
        at.push_back(clock.nsecsElapsed());
        if (int(at.size()) == ticks + 1)
            QApplication::quit();
    });
    clock.start();
    at.push_back(0);
    qobject_cast<QAbstractButton *>(QtToolkit::widget(form.Cmd_jump))->click();
    QApplication::exec();

    std::vector<double> gaps;
    for (size_t i = 1; i < at.size(); ++i)
        gaps.push_back(double(at[i] - at[i - 1]) / 1e6);
    const double total = double(at.back()) / 1e6;
    std::vector<double> sorted = gaps;
    std::sort(sorted.begin(), sorted.end());
    const double p99 = sorted[size_t(double(sorted.size()) * 0.99)];
    std::printf("ticks: %zu\n", gaps.size());
    std::printf("mean interval: %.3f ms\n", total / double(gaps.size()));
    std::printf("p99 interval: %.3f ms\n", p99);
    std::printf("cumulative drift after %zu ticks: %.3f ms\n", gaps.size(), total - 20.0 * double(gaps.size()));
    return 0;
}
