// Zubrik: a picture's pixels, the one image type every toolkit draws from.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Image.h"

#include <algorithm>

Image::Image(int width, int height, std::uint32_t fill)
    : m_width(std::max(0, width)), m_height(std::max(0, height)),
      m_pixels(std::size_t(m_width) * std::size_t(m_height), fill)
{
}

void Image::fill(std::uint32_t value)
{
    std::fill(m_pixels.begin(), m_pixels.end(), value);
}

void Image::paste(const Image &other)
{
    const int columns = std::min(m_width, other.m_width);
    for (int y = 0; y < std::min(m_height, other.m_height); ++y)
        std::copy(other.row(y), other.row(y) + columns, row(y));
}

bool Image::operator==(const Image &other) const
{
    return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
}
