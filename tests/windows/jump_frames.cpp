// Zubrik: writes the frames the main picture can show in a jump from the start, composed from the pictures; a test program only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: zubrik_jump_frames DIR [STAGE:CELL ...]. Writes, as binary PPM:
// DIR/standing.ppm; DIR/flight-N.ppm after tick N of a jump with the first
// character on the first stage, and DIR/paused-N.ppm, that frame paused;
// DIR/replay-N.ppm, the replay of that jump after tick N; then for each STAGE:CELL (stage picture 0-3, character cell
// 0-3) DIR/standing-STAGE-CELL.ppm. The positions come from the real main
// window's ticks on the headless toolkit; the pictures are composed from the
// PNG files apart from the game's compositor (as the rules' tests do), and
// each one must be what the game drew at that moment, so that an end-to-end
// test can match what a screen shows.
#include "ExpectedFrame.h"
#include "GameDriver.h"

#include "platform/Image.h"
#include "platform/Timer.h"

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
    // A frame the game did not draw would match nothing on screen.
    const auto written = [&](const FrameInputs &in, const std::string &name) {
        const Image expected = frames.compose(in);
        const std::string difference = firstDifference(game.frame(), expected);
        if (!difference.empty()) {
            std::fprintf(stderr, "%s: the game drew another frame (%s)\n", name.c_str(),
                         difference.c_str());
            return false;
        }
        return writePpm(expected, dir + "/" + name + ".ppm");
    };

    if (!written(inputs(), "standing"))
        return 1;
    game.jump();
    int ticks = 0;
    for (game.tick(), ++ticks; game.form->timer().enabled(); game.tick(), ++ticks) {
        FrameInputs in = inputs();
        if (ticks > 100 || !written(in, "flight-" + std::to_string(ticks)))
            return 1;
        in.paused = 1;
        if (!writePpm(frames.compose(in), dir + "/paused-" + std::to_string(ticks) + ".ppm"))
            return 1;
    }
    std::printf("%d frames in flight\n", ticks - 1);

    game.replay();
    int replayed = 0;
    for (game.tick(), ++replayed; game.form->timer().enabled(); game.tick(), ++replayed)
        if (replayed > 100 || !written(inputs(), "replay-" + std::to_string(replayed)))
            return 1;
    std::printf("%d frames in the replay\n", replayed - 1);

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
        if (!written(inputs(stage), "standing-" + std::to_string(stage) + "-" + std::to_string(cell)))
            return 1;
    }
    return 0;
}
