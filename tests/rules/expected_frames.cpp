// Zubrik: writes the frames the main picture can show from the start, composed from the pictures; a test program only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: zubrik_expected_frames DIR [STAGE:CELL ...]. Writes, as
// binary PPM: DIR/standing.ppm; DIR/flight-N.ppm after tick N of a jump with
// the first character on the first stage, DIR/paused-N.ppm that frame paused;
// DIR/replay-N.ppm after tick N of that jump's replay, DIR/paused-replay-N.ppm
// that frame paused; then for each
// STAGE:CELL (stage 0-3, character cell 0-3) DIR/standing-STAGE-CELL.ppm. The
// game on the headless toolkit gives the positions; the pictures are composed
// from the PNG files apart from the game's compositor, and each must be what
// the game drew at that moment, so that what a screen or a browser's canvas
// shows can be held to it.
#include "ExpectedFrame.h"
#include "GameDriver.h"

#include <cstdio>
#include <string>

namespace {

bool writePpm(const Image &image, const std::string &path)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::fprintf(file, "P6\n%d %d\n255\n", image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t p = image.pixel(x, y);
            const unsigned char rgb[3] = { static_cast<unsigned char>(p >> 16),
                                           static_cast<unsigned char>(p >> 8),
                                           static_cast<unsigned char>(p) };
            std::fwrite(rgb, 1, 3, file);
        }
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const std::string dir = argv[1];
    const ExpectedFrame frames;
    GameDriver game;
    const auto inputs = [&game](int stage = 0) {
        const GameState &s = game.state;
        return FrameInputs { s.charFrameX, stage, s.charY, s.shadowFrameX, s.paused,
                             game.form->timer().interval() };
    };
    const auto write = [&](const FrameInputs &in, const std::string &name) {
        return writePpm(frames.compose(in), dir + "/" + name + ".ppm");
    };
    // A frame the game did not draw would match nothing on screen.
    const auto drawn = [&](const FrameInputs &in, const std::string &name) {
        const std::string difference = firstDifference(game.frame(), frames.compose(in));
        if (!difference.empty())
            std::fprintf(stderr, "%s: the game drew another frame (%s)\n", name.c_str(), difference.c_str());
        return difference.empty() && write(in, name);
    };
    const auto ticked = [&](const std::string &prefix) {
        int ticks = 0;
        for (game.tick(), ++ticks; game.form->timer().enabled(); game.tick(), ++ticks)
            if (ticks > 100 || !drawn(inputs(), prefix + "-" + std::to_string(ticks)))
                return -1;
        return ticks - 1;
    };

    // What a pause shows after `ticks` ticks of a jump, or of its replay.
    const auto pausedAfter = [&](int ticks, bool replaying, const std::string &name) {
        GameDriver paused;
        paused.jump();
        if (replaying) {
            if (paused.tickUntilLanded() < 0)
                return false;
            paused.replay();
        }
        for (int i = 0; i < ticks; ++i)
            paused.tick();
        paused.pause();
        const GameState &s = paused.state;
        const FrameInputs in { s.charFrameX, 0, s.charY, s.shadowFrameX, s.paused,
                               paused.form->timer().interval() };
        return s.paused == 1 && firstDifference(paused.frame(), frames.compose(in)).empty()
            && write(in, name);
    };

    if (!drawn(inputs(), "standing"))
        return 1;
    game.jump();
    const int flight = ticked("flight");
    for (int tick = 1; tick <= flight; ++tick)
        if (!pausedAfter(tick, false, "paused-" + std::to_string(tick)))
            return 1;
    game.replay();
    const int replay = ticked("replay");
    std::printf("%d frames in flight, %d in the replay\n", flight, replay);
    if (flight <= 0 || replay <= 0 || !drawn(inputs(), "standing"))
        return 1;
    for (int tick = 1; tick <= replay; ++tick)
        if (!pausedAfter(tick, true, "paused-replay-" + std::to_string(tick)))
            return 1;

    // Set as the selection dialogs set them on a pick.
    for (int i = 2; i < argc; ++i) {
        int stage = -1, cell = -1;
        char end = 0;
        if (std::sscanf(argv[i], "%d:%d%c", &stage, &cell, &end) != 2 || stage < 0 || stage > 3
            || cell < 0 || cell > 3)
            return 2;
        game.state.charFrameX = 92 * cell;
        game.state.stageDc = game.form->Bg(std::int16_t(stage)).hDC();
        game.form->FrameCompositor();
        if (!drawn(inputs(stage), "standing-" + std::to_string(stage) + "-" + std::to_string(cell)))
            return 1;
    }
    return 0;
}
