// Zubrik: the table of pictures that the build writes into the program.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstddef>
#include <cstdint>

class Image;

// One picture, named as its file in assets/pictures/ without ".png", in one of
// two forms. Most builds carry the PNG file's bytes and decode them on first
// use. The web build carries the picture as its build decoded it, so that the
// page's start-up, which the browser runs as unoptimised code at first, does
// no decoding: one palette index a pixel, row by row, and the palette.
struct EmbeddedPicture
{
    const char *name;
    // The PNG file, or width x height palette indices.
    const unsigned char *bytes;
    std::size_t size;
    // The decoded form's alone: its size and its colours (0xffRRGGBB).
    int width;
    int height;
    const std::uint32_t *palette;
    std::size_t colours;
};

// Written at build time by cmake/EmbedPictures.cmake or, decoded, by
// tools/index_pictures, in the order the build names the pictures.
extern const EmbeddedPicture embeddedPictures[];
extern const std::size_t embeddedPictureCount;

// The picture's pixels, from the form this build carries (PngPicture.cpp or
// IndexedPicture.cpp). Throws std::runtime_error for a picture it cannot read.
Image embeddedPictureImage(const EmbeddedPicture &picture);
