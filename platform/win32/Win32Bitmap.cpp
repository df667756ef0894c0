// Zubrik: an image of the models painted onto a window, each pixel a whole block.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Bitmap.h"

#include "platform/Image.h"

namespace Win32Bitmap {

void paint(HDC dc, const Image &image, int x, int y, int scale)
{
    if (image.isNull())
        return;
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width();
    info.bmiHeader.biHeight = -image.height(); // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // Whole-number enlargement by repeating pixels: no blending.
    const int previous = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, x, y, image.width() * scale, image.height() * scale, 0, 0, image.width(),
                  image.height(), image.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, previous);
}

} // namespace Win32Bitmap
