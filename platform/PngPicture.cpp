// Zubrik: a built-in picture decoded from its PNG file's bytes, by stb_image.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/EmbeddedPictures.h"
#include "platform/Image.h"

#include <climits>
#include <stdexcept>
#include <string>

// The decoder is compiled here and nowhere else, for PNG from memory only: the
// pictures never come from files, and nothing else is ever decoded. Static, so
// that it cannot clash with a copy some library linked in may carry.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
#define STBI_NO_SIMD

// Static leaves the entry points this file does not call unused; a copy of the
// header outside the system's include directories would warn of each.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

Image embeddedPictureImage(const EmbeddedPicture &picture)
{
    if (picture.size > std::size_t(INT_MAX))
        throw std::runtime_error(std::string("Picture ") + picture.name + " is too large");
    int width = 0;
    int height = 0;
    int channels = 0;
    // Four channels whatever the file holds (the pictures are palettes without
    // transparency), so that one loop reads every one of them. The alpha is
    // dropped: a picture is opaque by definition.
    stbi_uc *pixels = stbi_load_from_memory(picture.bytes, int(picture.size), &width, &height,
                                            &channels, STBI_rgb_alpha);
    if (!pixels)
        throw std::runtime_error(std::string("Picture ") + picture.name
                                 + " cannot be decoded: " + stbi_failure_reason());
    Image image(width, height);
    const stbi_uc *source = pixels;
    for (int y = 0; y < height; ++y) {
        std::uint32_t *target = image.row(y);
        for (int x = 0; x < width; ++x, source += 4)
            target[x] = Image::rgb(source[0], source[1], source[2]);
    }
    stbi_image_free(pixels);
    return image;
}
