// Zubrik: how long one frame of the main picture takes to draw, against a plain copy.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// The frame is the model's work alone, on the headless toolkit: the compositor's
// copies into Pic's image, with no window to show it.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Image.h"
#include "platform/headless/HeadlessToolkit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

template<typename Work>
double medianMicroseconds(int rounds, int perRound, Work work)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> samples;
    for (int round = 0; round < rounds; ++round) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < perRound; ++i)
            work(i);
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        samples.push_back(spent.count() / perRound);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main()
{
    HeadlessToolkit toolkit;
    GameState state;
    Form1 form(state);

    // The fullest frame: caption and overlay too, eight copies in all.
    state.paused = 1;
    form.timer().setInterval(150);
    const double frame = medianMicroseconds(201, 200, [&](int i) {
        state.charY = 20 + (i % 100);
        form.FrameCompositor();
    });

    const Image stage(303, 183);
    Image target(303, 183);
    const std::size_t bytes = std::size_t(stage.width()) * std::size_t(stage.height()) * 4;
    const double copy = medianMicroseconds(201, 200, [&](int) {
        std::memcpy(target.data(), stage.data(), bytes);
    });

    std::printf("frame (8 copies): median %.2f us\n", frame);
    std::printf("memcpy of the 303 x 183 stage: median %.2f us\n", copy);
    std::printf("ratio frame / memcpy: %.1f\n", frame / copy);
    return 0;
}
