// Zubrik: the screen's density, and the whole-number scale the windows are drawn at.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/win32/Win32Api.h"

// The program is per-monitor aware (its manifest says so), so Windows never
// stretches its windows; it draws them itself at a whole-number multiple of
// their designed pixels, so that every picture pixel is a whole block.
namespace Win32Dpi {

constexpr int designDpi = 96;

// The nearest whole scale, halves rounded up: 120 dpi (125 %) gives 1,
// 144 (150 %) gives 2, 240 (250 %) gives 3; never below 1.
int scaleForDpi(int dpi);

// The dpi of the monitor the window is on; of the primary screen before Windows 10.
int dpiOfWindow(HWND window);
// The dpi of the monitor that holds the point.
int dpiAtPoint(POINT point);

// The outer rectangle for a client rectangle of the style, at that dpi.
RECT outerRect(RECT client, DWORD style, DWORD exStyle, int dpi);

} // namespace Win32Dpi
