// Zubrik: a picture box's peer: paints the model's persistent image and reports the mouse to it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32PictureBox.h"

#include "platform/PictureBox.h"
#include "platform/win32/Win32Accessible.h"
#include "platform/win32/Win32Bitmap.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Keys.h"
#include "platform/win32/Win32Toolkit.h"

#include <windowsx.h>

Win32PictureBox::Win32PictureBox(Win32Form &form, PictureBox &box, int id)
    : Win32Control(form, box, Win32Toolkit::pictureClass, 0, 0, id), m_box(box)
{
    makeAccessible();
    update();
}

void Win32PictureBox::update()
{
    Win32Control::update();
    // Shown once the handler that changed it returns.
    invalidate();
}

void Win32PictureBox::refresh()
{
    invalidate();
    UpdateWindow(window());
}

void Win32PictureBox::paint(HDC dc)
{
    const int scale = form().scale();
    const int border = m_box.border() * scale;
    RECT area;
    GetClientRect(window(), &area);
    if (border > 0) {
        DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT);
        InflateRect(&area, -border, -border);
    }
    const Image &image = m_box.image();
    // What the image does not cover, when the box is larger than a whole
    // number of its pixels.
    RECT beyond = area;
    beyond.left += image.width() * scale;
    FillRect(dc, &beyond, form().backBrush());
    beyond = area;
    beyond.top += image.height() * scale;
    FillRect(dc, &beyond, form().backBrush());
    Win32Bitmap::paint(dc, image, border, border, scale);

    const int marked = m_box.markedChoice();
    if (marked < 0 || marked >= int(m_box.choices().size()))
        return;
    // The keyboard's choice: a ring in the highlight colour inside its cell,
    // plain on any picture, and the system's focus frame around it.
    const PixelRect &at = m_box.choices()[std::size_t(marked)].rect;
    RECT cell { border + at.x * scale, border + at.y * scale, border + (at.x + at.width) * scale,
                border + (at.y + at.height) * scale };
    HBRUSH ring = GetSysColorBrush(COLOR_HIGHLIGHT);
    RECT inner = cell;
    InflateRect(&inner, -1, -1);
    for (int i = 0; i < 2 * scale; ++i) {
        FrameRect(dc, &inner, ring);
        InflateRect(&inner, -1, -1);
    }
    DrawFocusRect(dc, &cell);
}

void Win32PictureBox::reportMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    // In the box's own pixels from its outer corner: the border lies in the
    // client area.
    const double scale = form().scale();
    const double x = GET_X_LPARAM(lParam) / scale, y = GET_Y_LPARAM(lParam) / scale;
    const std::int16_t shift = Win32Keys::shiftState();
    if (message == WM_MOUSEMOVE) {
        m_box.mouseMoveAt(Win32Keys::mouseButtons(wParam), shift, x, y);
        return;
    }
    std::int16_t button = MouseButton::Left;
    if (message == WM_RBUTTONDOWN)
        button = MouseButton::Right;
    else if (message == WM_MBUTTONDOWN)
        button = MouseButton::Middle;
    m_box.mouseDownAt(button, shift, x, y);
}

void Win32PictureBox::pick(WPARAM choice)
{
    // The choices may have changed since the reader asked.
    if (choice >= m_box.choices().size() || !m_box.shownEnabled())
        return;
    const PixelRect &at = m_box.choices()[choice].rect;
    const int border = m_box.border();
    m_box.mouseDownAt(MouseButton::Left, 0, border + at.x + at.width / 2.0, border + at.y + at.height / 2.0);
}

LRESULT Win32PictureBox::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        this->paint(dc);
        EndPaint(window(), &paint);
        return 0;
    }
    case WM_SETFOCUS:
        invalidate();
        accessible()->view().focusArrived();
        break;
    case WM_KILLFOCUS:
        invalidate();
        break;
    case Win32ReaderView::pickMessage:
        pick(wParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEMOVE:
        reportMouse(message, wParam, lParam);
        return 0;
    default:
        break;
    }
    return Win32Control::message(message, wParam, lParam);
}
