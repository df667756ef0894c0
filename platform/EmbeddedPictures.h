// Zubrik: the table of PNG files that the build writes into the program.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstddef>

// One picture as its PNG file's bytes, named as the file without ".png".
struct EmbeddedPicture
{
    const char *name;
    const unsigned char *bytes;
    std::size_t size;
};

// Written at build time by cmake/EmbedPictures.cmake, in the order the build
// names the pictures.
extern const EmbeddedPicture embeddedPictures[];
extern const std::size_t embeddedPictureCount;
