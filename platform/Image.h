// Zubrik: a picture's pixels, the one image type every toolkit draws from.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>
#include <vector>

// 32 bits a pixel, 0xffRRGGBB (opaque: the top byte is always 0xff), rows top
// to bottom with no padding. The raster copies read and write it in place.
class Image
{
public:
    static constexpr std::uint32_t opaque = 0xff000000u;

    Image() = default;
    Image(int width, int height, std::uint32_t fill = opaque | 0xffffffu);

    static constexpr std::uint32_t rgb(int red, int green, int blue)
    {
        return opaque | std::uint32_t(red & 0xff) << 16 | std::uint32_t(green & 0xff) << 8
            | std::uint32_t(blue & 0xff);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isNull() const { return m_width == 0 || m_height == 0; }

    std::uint32_t *row(int y) { return m_pixels.data() + std::size_t(y) * std::size_t(m_width); }
    const std::uint32_t *row(int y) const
    {
        return m_pixels.data() + std::size_t(y) * std::size_t(m_width);
    }
    std::uint32_t pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, std::uint32_t value) { row(y)[x] = value; }
    const std::uint32_t *data() const { return m_pixels.data(); }
    std::uint32_t *data() { return m_pixels.data(); }

    void fill(std::uint32_t value);
    // Pastes the other image at the top left corner, clipped to this one.
    void paste(const Image &other);

    bool operator==(const Image &other) const;
    bool operator!=(const Image &other) const { return !(*this == other); }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

// The handle of a picture's persistent image (its device context).
using Hdc = Image *;
