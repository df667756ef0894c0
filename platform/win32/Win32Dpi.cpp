// Zubrik: the screen's density, and the whole-number scale the windows are drawn at.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Dpi.h"

#include <algorithm>

namespace Win32Dpi {
namespace {

// Calls of Windows 8.1 and 10 looked up at run time, so that the program
// still starts on Windows 7.
template<typename Function>
Function find(const wchar_t *module, const char *name)
{
    HMODULE handle = GetModuleHandleW(module);
    if (!handle)
        handle = LoadLibraryW(module);
    return handle ? reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(handle, name)))
                  : nullptr;
}

using GetDpiForWindowCall = UINT(WINAPI *)(HWND);
using AdjustForDpiCall = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetDpiForMonitorCall = HRESULT(WINAPI *)(HMONITOR, int, UINT *, UINT *);

int systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : designDpi;
}

} // namespace

int scaleForDpi(int dpi)
{
    return std::max(1, (dpi + designDpi / 2) / designDpi);
}

int dpiOfWindow(HWND window)
{
    static const auto getDpiForWindow = find<GetDpiForWindowCall>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window))
            return int(dpi);
    return systemDpi();
}

int dpiAtPoint(POINT point)
{
    static const auto getDpiForMonitor = find<GetDpiForMonitorCall>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (getDpiForMonitor
        && getDpiForMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY), 0, &x, &y) == S_OK && y)
        return int(y);
    return systemDpi();
}

RECT outerRect(RECT client, DWORD style, DWORD exStyle, int dpi)
{
    static const auto adjustForDpi = find<AdjustForDpiCall>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&client, style, FALSE, exStyle, UINT(dpi)))
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    return client;
}

} // namespace Win32Dpi
