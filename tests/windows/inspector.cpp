// Zubrik: reads the game's windows as Windows sees them, for the end-to-end driver; a test program only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Run in the game's Wine prefix, it answers one request a line on standard
// input, each answer ending with a line ".":
//   windows     every visible window of the game (its forms and message
//               boxes), top first, as
//                 window HWND CLASS ENABLED ACTIVE X Y W H FOCUS TITLE
//               (the client area on the screen; ACTIVE 1 for the active
//               window of its thread; FOCUS the window with its thread's
//               focus, 0 for none) and under each every control in it as
//                 control HWND CLASS VISIBLE ENABLED X Y W H TEXT
//               (the control's outer rectangle in the window's client area)
//   key HWND VK a key pressed and released, posted to that window itself, as
//               one meant for it whatever has the focus
// Texts are UTF-8, with \ written \\, CR \r and LF \n.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string text(HWND window)
{
    // Read from the window manager's own copy: a message to a control of
    // another program could wait on that program.
    wchar_t buffer[2048];
    const int length = InternalGetWindowText(window, buffer, int(std::size(buffer)));
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer, length, nullptr, 0, nullptr, nullptr);
    std::string raw(std::size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer, length, raw.data(), bytes, nullptr, nullptr);
    std::string escaped;
    for (char c : raw)
        escaped += c == '\\' ? std::string("\\\\") : c == '\r' ? std::string("\\r")
                 : c == '\n' ? std::string("\\n") : std::string(1, c);
    return escaped;
}

std::string className(HWND window)
{
    char name[256];
    const int length = GetClassNameA(window, name, int(sizeof name));
    return std::string(name, std::size_t(length > 0 ? length : 0));
}

unsigned long long handle(HWND window)
{
    return static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window));
}

BOOL CALLBACK collect(HWND window, LPARAM found)
{
    reinterpret_cast<std::vector<HWND> *>(found)->push_back(window);
    return TRUE;
}

void listWindows()
{
    // EnumWindows goes from the top of the stack down.
    std::vector<HWND> tops;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&tops));
    for (HWND top : tops) {
        const std::string kind = className(top);
        if (!IsWindowVisible(top) || (kind != "ZubrikForm" && kind != "#32770"))
            continue;
        GUITHREADINFO thread {};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread);
        const bool focusHere = thread.hwndFocus && (thread.hwndFocus == top || IsChild(top, thread.hwndFocus));
        RECT client;
        GetClientRect(top, &client);
        POINT origin {};
        ClientToScreen(top, &origin);
        std::printf("window %llu %s %d %d %ld %ld %ld %ld %llu %s\n", handle(top), kind.c_str(),
                    IsWindowEnabled(top) ? 1 : 0, thread.hwndActive == top ? 1 : 0, origin.x, origin.y,
                    client.right, client.bottom, focusHere ? handle(thread.hwndFocus) : 0ull, text(top).c_str());
        std::vector<HWND> controls;
        EnumChildWindows(top, collect, reinterpret_cast<LPARAM>(&controls));
        for (HWND control : controls) {
            RECT rect;
            GetWindowRect(control, &rect);
            MapWindowPoints(nullptr, top, reinterpret_cast<POINT *>(&rect), 2);
            std::printf("control %llu %s %d %d %ld %ld %ld %ld %s\n", handle(control), className(control).c_str(),
                        IsWindowVisible(control) ? 1 : 0, IsWindowEnabled(control) ? 1 : 0, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, text(control).c_str());
        }
    }
}

} // namespace

int main()
{
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        unsigned long long window = 0;
        unsigned key = 0;
        if (std::string(line).rfind("windows", 0) == 0) {
            listWindows();
        } else if (std::sscanf(line, "key %llu %u", &window, &key) == 2) {
            HWND target = reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
            const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
            PostMessageW(target, WM_KEYDOWN, key, LPARAM(1 | (scan << 16)));
            PostMessageW(target, WM_KEYUP, key, LPARAM(1 | (scan << 16) | (3u << 30)));
        }
        std::printf(".\n");
        std::fflush(stdout);
    }
    return 0;
}
