// Zubrik: a line control's peer: a rule one pixel thick along an axis, in the window-text colour.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Line.h"

#include "platform/Line.h"
#include "platform/Twips.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Toolkit.h"

#include <algorithm>
#include <cstdlib>

Win32Line::Win32Line(Win32Form &form, Line &line, int id)
    : Win32Control(form, line, Win32Toolkit::lineClass, 0, 0, id), m_line(line)
{
    update();
}

RECT Win32Line::placement() const
{
    // The end point itself is left out, so a rule is as long as its span.
    const POINT at = form().origin(m_line);
    const int x1 = Twips::toPixels(m_line.x1()), y1 = Twips::toPixels(m_line.y1());
    const int x2 = Twips::toPixels(m_line.x2()), y2 = Twips::toPixels(m_line.y2());
    const int left = at.x + std::min(x1, x2), top = at.y + std::min(y1, y2);
    return { left, top, left + std::max(std::abs(x2 - x1), 1), top + std::max(std::abs(y2 - y1), 1) };
}

LRESULT Win32Line::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        RECT area;
        GetClientRect(window(), &area);
        FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOWTEXT));
        EndPaint(window(), &paint);
        return 0;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    default:
        return Win32Control::message(message, wParam, lParam);
    }
}
