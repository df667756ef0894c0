// Zubrik: the shipped PNG files read straight from the source tree, apart from the game's own copy.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Image.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

// A decoder of the tests' own, static to each program that includes this:
// the frames it composes must not share a byte of code or data with the
// pictures the game embeds and decodes, or a fault there would pass here too.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace PictureFiles {

// assets/pictures/<file> under $ZUBRIK_SOURCE_DIR (ctest sets it), else under
// the tree a test program was built from, if it was told (the end-to-end
// scripts start their tools without the variable).
inline std::string path(const std::string &file)
{
    const char *root = std::getenv("ZUBRIK_SOURCE_DIR");
#ifdef ZUBRIK_SOURCE_DIR
    if (!root || !*root)
        root = ZUBRIK_SOURCE_DIR;
#endif
    if (!root || !*root)
        throw std::runtime_error("ZUBRIK_SOURCE_DIR must name the source tree");
    return std::string(root) + "/assets/pictures/" + file;
}

inline std::vector<unsigned char> bytes(const std::string &file)
{
    std::ifstream in(path(file), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path(file));
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// The decoded pixels of a PNG, four channels whatever the file holds.
struct Rgba
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

inline Rgba decode(const std::vector<unsigned char> &png, const std::string &what)
{
    int width = 0, height = 0, channels = 0;
    stbi_uc *pixels = stbi_load_from_memory(png.data(), int(png.size()), &width, &height,
                                            &channels, STBI_rgb_alpha);
    if (!pixels)
        throw std::runtime_error("cannot decode " + what + ": " + stbi_failure_reason());
    Rgba result { width, height,
                  std::vector<unsigned char>(pixels, pixels + std::size_t(width) * height * 4) };
    stbi_image_free(pixels);
    return result;
}

inline Rgba rgba(const std::string &name)
{
    return decode(bytes(name + ".png"), name + ".png");
}

// The picture "bg0", "niku"... as an Image; the alpha is dropped.
inline Image load(const std::string &name)
{
    const Rgba decoded = rgba(name);
    Image image(decoded.width, decoded.height);
    const unsigned char *p = decoded.pixels.data();
    for (int y = 0; y < decoded.height; ++y)
        for (int x = 0; x < decoded.width; ++x, p += 4)
            image.setPixel(x, y, Image::rgb(p[0], p[1], p[2]));
    return image;
}

} // namespace PictureFiles
