// Zubrik: how long 999999 counted presses take through the real main window, to the ending.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"
#include "ModalWatch.h"
#include "platform/qt/Application.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {

constexpr int finalCount = 999999;

// The route the test takes: flights of 1001 presses before the first tick
// (each counts), landing between flights, the last press bringing the ending.
double pressesInFlights()
{
    MainWindowDriver d;
    ModalWatch watch;
    QElapsedTimer clock;
    clock.start();
    for (int count = 1; count <= finalCount; ++count) {
        d.jump();
        if (count % 1001 == 0 && count < finalCount)
            d.tickUntilLanded();
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (d.counter() != QString::number(finalCount) || watch.endingsSeen != 1 || d.boxes.size() != 12)
        std::printf("unexpected end: counter %s, %d endings, %lld boxes\n", qPrintable(d.counter()),
                    watch.endingsSeen, static_cast<long long>(d.boxes.size()));
    return seconds;
}

// A player's route: every jump lands (12 ticks, each drawing a frame) before
// the next press. Timed on a sample and scaled to the full count.
double jumpsThatLand(int sample)
{
    MainWindowDriver d;
    QElapsedTimer clock;
    clock.start();
    for (int count = 0; count < sample; ++count) {
        d.jump();
        d.tickUntilLanded();
    }
    return double(clock.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);

    const double flights = pressesInFlights();
    std::printf("999999 counted presses in flights of 1001, to the ending: %.2f s (%.2f us a press)\n",
                flights, flights * 1e6 / finalCount);

    constexpr int sample = 20000;
    const double landing = jumpsThatLand(sample);
    std::printf("%d jumps that each land (12 ticks): %.2f s (%.1f us a jump)\n", sample, landing,
                landing * 1e6 / sample);
    std::printf("the same for 999999 jumps, scaled: %.0f s\n", landing * finalCount / sample);
    return 0;
}
