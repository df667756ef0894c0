// Zubrik: an image of the models painted onto a window, each pixel a whole block.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/win32/Win32Api.h"

class Image;

namespace Win32Bitmap {

// Paints the image with its top left corner at (x, y) device pixels, each of
// its pixels a scale-by-scale block: the image's 0xffRRGGBB words are a
// top-down 32-bit DIB's blue, green, red, unused bytes, shown as they are.
void paint(HDC dc, const Image &image, int x, int y, int scale);

} // namespace Win32Bitmap
