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
    // A frame begins with a clear. A short run filled, then copied onto the
    // rest in doubling blocks, goes at the speed of the library's block copy,
    // several times that of a loop of stores.
    constexpr std::size_t firstRun = 64;
    const std::size_t size = m_pixels.size();
    std::fill_n(m_pixels.begin(), std::min(firstRun, size), value);
    for (std::size_t done = std::min(firstRun, size); done < size;) {
        const std::size_t run = std::min(done, size - done);
        std::copy_n(m_pixels.begin(), run, m_pixels.begin() + std::ptrdiff_t(done));
        done += run;
    }
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
