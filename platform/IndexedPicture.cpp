// Zubrik: a built-in picture from the palette indices its build decoded.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/EmbeddedPictures.h"
#include "platform/Image.h"

#include <stdexcept>
#include <string>

Image embeddedPictureImage(const EmbeddedPicture &picture)
{
    if (picture.width <= 0 || picture.height <= 0 || !picture.palette
        || picture.size != std::size_t(picture.width) * std::size_t(picture.height))
        throw std::runtime_error(std::string("Picture ") + picture.name + " is not in decoded form");
    Image image(picture.width, picture.height);
    const unsigned char *index = picture.bytes;
    for (int y = 0; y < picture.height; ++y) {
        std::uint32_t *target = image.row(y);
        for (int x = 0; x < picture.width; ++x, ++index) {
            if (*index >= picture.colours)
                throw std::runtime_error(std::string("Picture ") + picture.name
                                         + " names a colour its palette lacks");
            target[x] = picture.palette[*index];
        }
    }
    return image;
}
