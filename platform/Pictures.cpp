// Zubrik: the game's pictures, made from the ones built into the program on first use.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Pictures.h"

#include "platform/EmbeddedPictures.h"
#include "platform/Image.h"
#include "platform/RuntimeError.h"

#include <map>
#include <mutex>

namespace {

const EmbeddedPicture *find(const std::string &name)
{
    for (std::size_t i = 0; i < embeddedPictureCount; ++i)
        if (name == embeddedPictures[i].name)
            return &embeddedPictures[i];
    return nullptr;
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
    return decoded.emplace(name, embeddedPictureImage(*picture)).first->second;
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
