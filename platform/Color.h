// Zubrik: a colour of a design: red, green and blue.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

struct Color
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // As a pixel of an Image.
    constexpr std::uint32_t pixel() const
    {
        return 0xff000000u | std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
    }
    constexpr bool operator==(const Color &other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
    constexpr bool operator!=(const Color &other) const { return !(*this == other); }
};
