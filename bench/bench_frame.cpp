// Zubrik: how long one frame of the main picture takes to draw, against a plain copy.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Application.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

template<typename Work>
double medianMicroseconds(int rounds, int perRound, Work work)
{
    std::vector<double> samples;
    QElapsedTimer clock;
    for (int round = 0; round < rounds; ++round) {
        clock.start();
        for (int i = 0; i < perRound; ++i)
            work(i);
        samples.push_back(double(clock.nsecsElapsed()) / 1000.0 / perRound);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    GameState state;
    Form1 form(state);

    // The fullest frame: caption and overlay too, eight copies in all.
    state.paused = 1;
    form.timer().setInterval(150);
    const double frame = medianMicroseconds(201, 200, [&](int i) {
        state.charY = 20 + (i % 100);
        form.FrameCompositor();
    });

    const QImage stage = QImage(303, 183, QImage::Format_RGB32);
    QImage target(303, 183, QImage::Format_RGB32);
    const qsizetype bytes = stage.sizeInBytes();
    const double copy = medianMicroseconds(201, 200, [&](int) {
        std::memcpy(target.bits(), stage.constBits(), size_t(bytes));
    });

    std::printf("frame (8 copies): median %.2f us\n", frame);
    std::printf("memcpy of the 303 x 183 stage: median %.2f us\n", copy);
    std::printf("ratio frame / memcpy: %.1f\n", frame / copy);
    return 0;
}
