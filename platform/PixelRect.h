// Zubrik: a rectangle in whole pixels.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

// In an image's pixels, or a control's place in its container's client area.
struct PixelRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect &other) const
    {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    bool operator!=(const PixelRect &other) const { return !(*this == other); }
};
