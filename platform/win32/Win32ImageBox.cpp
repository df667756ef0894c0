// Zubrik: an image control's peer: its picture as it is, or stretched to the control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32ImageBox.h"

#include "platform/ImageBox.h"
#include "platform/RasterCopy.h"
#include "platform/win32/Win32Bitmap.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Toolkit.h"

#include <algorithm>

Win32ImageBox::Win32ImageBox(Win32Form &form, ImageBox &box, int id)
    : Win32Control(form, box, Win32Toolkit::imageClass, 0, 0, id), m_box(box)
{
    update();
}

void Win32ImageBox::update()
{
    // Stretched in designed pixels first, by the game's own nearest-pixel
    // copy, so that a dense screen enlarges that in whole blocks.
    if (m_box.stretch()
        && (m_stretched.width() != m_box.pixelWidth() || m_stretched.height() != m_box.pixelHeight())) {
        m_stretched = Image(std::max(1, m_box.pixelWidth()), std::max(1, m_box.pixelHeight()));
        // The copy only reads its source.
        Image &picture = const_cast<Image &>(m_box.picture());
        RasterCopy::StretchBlt(&m_stretched, 0, 0, m_stretched.width(), m_stretched.height(),
                               &picture, 0, 0, picture.width(), picture.height(), RasterOp::SrcCopy);
    }
    Win32Control::update();
    invalidate();
}

LRESULT Win32ImageBox::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        RECT area;
        GetClientRect(window(), &area);
        FillRect(dc, &area, form().backBrush());
        Win32Bitmap::paint(dc, m_box.stretch() ? m_stretched : m_box.picture(), 0, 0, form().scale());
        EndPaint(window(), &paint);
        return 0;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    default:
        return Win32Control::message(message, wParam, lParam);
    }
}
