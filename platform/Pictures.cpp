// Zubrik: the game's pictures, decoded from the PNG bytes built into the program.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Pictures.h"

#include "platform/EmbeddedPictures.h"
#include "platform/Image.h"
#include "platform/RuntimeError.h"

#include <climits>
#include <cstdint>
#include <map>
#include <mutex>
#include <stdexcept>

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

namespace {

const EmbeddedPicture *find(const std::string &name)
{
    for (std::size_t i = 0; i < embeddedPictureCount; ++i)
        if (name == embeddedPictures[i].name)
            return &embeddedPictures[i];
    return nullptr;
}

Image decode(const EmbeddedPicture &picture)
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

} // namespace

namespace Pictures {

const Image &image(const std::string &name)
{
    // Decoded on first use and kept until the program ends: the windows hold
    // on to these images, and the map never moves an element once inserted.
    static std::map<std::string, Image> decoded;
    static std::mutex mutex;
    const std::lock_guard<std::mutex> lock(mutex);
    const auto found = decoded.find(name);
    if (found != decoded.end())
        return found->second;
    const EmbeddedPicture *picture = find(name);
    if (!picture)
        throw RuntimeError(RuntimeErrorCode::SubscriptOutOfRange, "Subscript out of range");
    return decoded.emplace(name, decode(*picture)).first->second;
}

std::vector<std::string> names()
{
    std::vector<std::string> result;
    result.reserve(embeddedPictureCount);
    for (std::size_t i = 0; i < embeddedPictureCount; ++i)
        result.emplace_back(embeddedPictures[i].name);
    return result;
}

} // namespace Pictures
