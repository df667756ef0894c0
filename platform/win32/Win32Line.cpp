// Zubrik: a line control's peer: a rule one pixel thick along an axis, in the window-text colour.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Line.h"

#include "platform/Line.h"
#include "platform/win32/Win32Toolkit.h"

Win32Line::Win32Line(Win32Form &form, Line &line, int id)
    : Win32Control(form, line, Win32Toolkit::lineClass, 0, 0, id)
{
    update();
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
