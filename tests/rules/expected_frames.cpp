// Zubrik: writes the frames the main picture can show from the start, composed from the pictures; a test program only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: zubrik_expected_frames DIR [STAGE:CELL ...]. Writes every frame of
// NamedFrames as binary PPM, DIR/NAME.ppm (standing, flight-N, paused-N,
// replay-N, paused-replay-N, and standing-STAGE-CELL for each STAGE:CELL
// given: stage 0-3, character cell 0-3), so that what a screen or a
// browser's canvas shows can be held to them.
#include "NamedFrames.h"

#include <cstdio>
#include <stdexcept>
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
    std::vector<std::pair<int, int>> stageCells;
    for (int i = 2; i < argc; ++i) {
        int stage = -1, cell = -1;
        char end = 0;
        if (std::sscanf(argv[i], "%d:%d%c", &stage, &cell, &end) != 2)
            return 2;
        stageCells.emplace_back(stage, cell);
    }
    try {
        const NamedFrames named(stageCells);
        for (const auto &[name, frame] : named.frames())
            if (!writePpm(frame, std::string(argv[1]) + "/" + name + ".ppm"))
                return 1;
        std::printf("%d frames in flight, %d in the replay\n", named.flightTicks(), named.replayTicks());
    } catch (const std::runtime_error &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
