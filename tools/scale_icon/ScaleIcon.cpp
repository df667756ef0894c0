// Zubrik: enlarges a pixel-art picture by a whole factor: zubrik_scale_icon SOURCE FACTOR OUTPUT [SIZE BACKGROUND].
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Toolkit-free (stb), so that every build can make its icons: the desktop
// build runs it natively, the web build under Node. With SIZE and BACKGROUND
// (#rrggbb) the enlargement is centred on an opaque square of that size and
// colour, for a system that fills transparency with black and wants a size
// that no whole factor of the drawings gives.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A whole number from 1 to `most`, or 0.
int wholeNumber(const char *text, int most)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return (*text && !*end && value >= 1 && value <= most) ? int(value) : 0;
}

bool colour(const char *text, unsigned char rgb[3])
{
    if (std::strlen(text) != 7 || text[0] != '#')
        return false;
    for (int i = 0; i < 3; ++i) {
        const char pair[3] = { text[1 + 2 * i], text[2 + 2 * i], 0 };
        char *end = nullptr;
        rgb[i] = (unsigned char)std::strtol(pair, &end, 16);
        if (*end)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 6) {
        std::fprintf(stderr, "usage: zubrik_scale_icon SOURCE FACTOR OUTPUT [SIZE BACKGROUND]\n");
        return 2;
    }
    int width = 0, height = 0, channels = 0;
    unsigned char *source = stbi_load(argv[1], &width, &height, &channels, 4);
    // Only whole-number enlargements keep every pixel a sharp square; anything
    // else would have to blend or drop pixels.
    const int factor = wholeNumber(argv[2], 64);
    unsigned char background[3] = { 0, 0, 0 };
    const int size = argc == 6 ? wholeNumber(argv[4], 4096) : 0;
    if (!source || !factor || (argc == 6 && (!size || !colour(argv[5], background)))) {
        std::fprintf(stderr, "zubrik_scale_icon: cannot read %s, or a bad factor, size or colour\n", argv[1]);
        return 1;
    }
    const int outWidth = argc == 6 ? size : width * factor;
    const int outHeight = argc == 6 ? size : height * factor;
    if (width * factor > outWidth || height * factor > outHeight) {
        std::fprintf(stderr, "zubrik_scale_icon: x%d does not fit in %d pixels\n", factor, size);
        return 1;
    }
    const int left = (outWidth - width * factor) / 2;
    const int top = (outHeight - height * factor) / 2;
    std::vector<unsigned char> out(std::size_t(outWidth) * outHeight * 4, 0);
    for (int y = 0; y < outHeight; ++y) {
        for (int x = 0; x < outWidth; ++x) {
            unsigned char *to = &out[(std::size_t(y) * outWidth + x) * 4];
            const bool inside = x >= left && x < left + width * factor && y >= top
                                && y < top + height * factor;
            const unsigned char *from = inside
                ? &source[(std::size_t((y - top) / factor) * width + (x - left) / factor) * 4]
                : nullptr;
            if (argc == 4) {
                std::memcpy(to, from, 4);
                continue;
            }
            // Over the opaque background.
            const int alpha = from ? from[3] : 0;
            for (int c = 0; c < 3; ++c)
                to[c] = (unsigned char)(((from ? from[c] : 0) * alpha + background[c] * (255 - alpha) + 127) / 255);
            to[3] = 255;
        }
    }
    stbi_image_free(source);
    if (!stbi_write_png(argv[3], outWidth, outHeight, 4, out.data(), outWidth * 4)) {
        std::fprintf(stderr, "zubrik_scale_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
