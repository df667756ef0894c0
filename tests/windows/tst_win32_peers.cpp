// Zubrik: the Win32 backend on a window of its own under Wine: placement, keys, the mouse, the timer and the run.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "platform/Program.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/VirtualKey.h"
#include "platform/win32/Win32Control.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Toolkit.h"

#include <chrono>
#include <string>
#include <vector>

namespace {

ControlDesign control(ControlKind kind, const char *name, float left, float top, float width,
                      float height, bool tabStop = false)
{
    ControlDesign design;
    design.kind = kind;
    design.name = name;
    design.left = left;
    design.top = top;
    design.width = width;
    design.height = height;
    design.caption = name;
    design.tabStop = tabStop;
    return design;
}

// 300 x 200 pixels: three buttons (Plain no tab stop), a tab-stop label in a
// frame, a picture box with a border, and a rule drawn right to left.
FormDesign testDesign()
{
    FormDesign form;
    form.name = "Test";
    form.caption = "Zubrik test";
    form.width = 4500;
    form.height = 3000;
    form.controls.push_back(control(ControlKind::Frame, "Box", 300, 1500, 3000, 1200));
    ControlDesign inside = control(ControlKind::Label, "Inside", 150, 300, 900, 300, true);
    inside.container = "Box";
    form.controls.push_back(inside);
    form.controls.push_back(control(ControlKind::CommandButton, "A", 150, 150, 1200, 375, true));
    form.controls.push_back(control(ControlKind::CommandButton, "B", 1500, 150, 1200, 375, true));
    form.controls.push_back(control(ControlKind::CommandButton, "Plain", 2850, 150, 1200, 375));
    ControlDesign picture = control(ControlKind::PictureBox, "Pic", 150, 750, 1500, 600);
    picture.borderStyle = 1;
    form.controls.push_back(picture);
    ControlDesign rule = control(ControlKind::Line, "Rule", 0, 0, 0, 0);
    rule.x1 = 4350;
    rule.x2 = 150;
    rule.y1 = rule.y2 = 2850;
    form.controls.push_back(rule);
    form.tabOrder = { "B", "A" };
    return form;
}

HWND windowOf(const Control &control)
{
    return static_cast<const Win32Control *>(control.peer())->window();
}

Win32Form &peerOf(const Form &form)
{
    return *static_cast<Win32Form *>(form.peer());
}

// Every message waiting, through the toolkit's own loop.
void pump(Win32Toolkit &toolkit)
{
    toolkit.runWhile([] {
        MSG waiting;
        return PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
    });
}

// Holds the shift keys as GetKeyState reports them to the thread.
void holdKeys(std::initializer_list<int> keys)
{
    BYTE state[256] = {};
    for (int key : keys)
        state[key] = 0x80;
    SetKeyboardState(state);
}

void typeKey(HWND window, WPARAM key, UINT down = WM_KEYDOWN, UINT up = WM_KEYUP, LPARAM flags = 0)
{
    PostMessageW(window, down, key, 1 | flags);
    PostMessageW(window, up, key, 1 | flags | (LPARAM(KF_UP | KF_REPEAT) << 16));
}

void click(HWND window, LPARAM at = MAKELPARAM(4, 4))
{
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
}

std::string focused(const Form &form)
{
    const Control *control = form.activeControl();
    return control ? control->fullName() : "(none)";
}

// A shown form, and how often each button was clicked.
struct Shown
{
    explicit Shown(Win32Toolkit &toolkit) : form(testDesign())
    {
        for (const char *name : { "A", "B", "Plain" })
            form.button(name).onClick([this, name] { clicks.push_back(name); });
        form.show();
        pump(toolkit);
        REQUIRE(GetActiveWindow() == peerOf(form).window());
    }

    Form form;
    std::vector<std::string> clicks;
};

using Clock = std::chrono::steady_clock;

} // namespace

TEST_CASE("every control lies at its pixels in the form times the scale; Tab's controls head the stack")
{
    Win32Toolkit toolkit(GetModuleHandleW(nullptr));
    Form form(testDesign());
    const Win32Form &peer = peerOf(form);
    const int scale = peer.scale();
    auto placed = [&](const Control &control) {
        RECT at {};
        GetWindowRect(windowOf(control), &at);
        MapWindowPoints(HWND_DESKTOP, peer.window(), reinterpret_cast<POINT *>(&at), 2);
        return PixelRect { int(at.left), int(at.top), int(at.right - at.left), int(at.bottom - at.top) };
    };
    auto scaled = [&](PixelRect rect) {
        return PixelRect { rect.x * scale, rect.y * scale, rect.width * scale, rect.height * scale };
    };
    for (const auto &control : form.controls()) {
        CAPTURE(control->fullName());
        CHECK(placed(*control) == scaled(control->pixelRectInForm()));
    }
    // Drawn backwards, the rule still covers its span from the nearer end.
    CHECK(placed(form.line("Rule")) == scaled({ 10, 190, 280, 1 }));
    // What lies in a frame follows it.
    form.frame("Box").setLeft(600);
    CHECK(placed(form.label("Inside")) == scaled({ 50, 120, 60, 20 }));

    std::vector<HWND> stack;
    for (HWND child = GetWindow(peer.window(), GW_CHILD); child && stack.size() < 3;
         child = GetWindow(child, GW_HWNDNEXT))
        stack.push_back(child);
    CHECK(stack == std::vector<HWND> { windowOf(form.button("B")), windowOf(form.button("A")),
                                       windowOf(form.label("Inside")) });
}

TEST_CASE("keys typed go to the form: what it spends goes no further, the rest goes on as usual")
{
    Win32Toolkit toolkit(GetModuleHandleW(nullptr));
    Shown shown(toolkit);
    Form &form = shown.form;
    form.button("A").setFocus();
    holdKeys({});
    typeKey(windowOf(form.button("A")), VK_TAB);
    pump(toolkit);
    CHECK(focused(form) == "Inside"); // B, A, then the other tab stops
    holdKeys({ VK_SHIFT });
    typeKey(GetFocus(), VK_TAB);
    pump(toolkit);
    CHECK(focused(form) == "A");
    holdKeys({});

    // Space clicks once, on its release: the button's own Space is not seen.
    typeKey(windowOf(form.button("A")), VK_SPACE);
    pump(toolkit);
    CHECK(shown.clicks == std::vector<std::string> { "A" });
    PostMessageW(windowOf(form.button("A")), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(windowOf(form.button("A")), WM_KEYDOWN, VK_RETURN, 1 | (LPARAM(KF_REPEAT) << 16));
    pump(toolkit);
    CHECK(shown.clicks == std::vector<std::string> { "A", "A", "A" });

    // Alt+F4 is no key of the form's: the window's own handling closes it,
    // and with no form left the run is over.
    holdKeys({ VK_MENU });
    typeKey(windowOf(form.button("A")), VK_F4, WM_SYSKEYDOWN, WM_SYSKEYUP, LPARAM(KF_ALTDOWN) << 16);
    pump(toolkit);
    holdKeys({});
    CHECK_FALSE(form.isLoaded());
    CHECK(toolkit.exec() == 0);
}

TEST_CASE("a press of the mouse focuses what Tab reaches; a button Tab skips clicks and leaves the focus")
{
    Win32Toolkit toolkit(GetModuleHandleW(nullptr));
    Shown shown(toolkit);
    Form &form = shown.form;
    const int scale = peerOf(form).scale();
    form.button("A").setFocus();

    click(windowOf(form.button("B")));
    CHECK(focused(form) == "B");
    click(windowOf(form.button("Plain")));
    CHECK(shown.clicks == std::vector<std::string> { "B", "Plain" });
    CHECK(focused(form) == "B");
    CHECK(GetFocus() == windowOf(form.button("B")));

    // A label lets the mouse through to the window; the press is its own.
    const PixelRect label = form.label("Inside").pixelRectInForm();
    click(peerOf(form).window(), MAKELPARAM((label.x + 2) * scale, (label.y + 2) * scale));
    CHECK(focused(form) == "Inside");
    click(peerOf(form).window(), MAKELPARAM(295 * scale, 60 * scale)); // on nothing
    CHECK(focused(form) == "Inside");

    // The picture box hears of it in twips of its client area, inside the border.
    PictureBox &box = form.pictureBox("Pic");
    std::vector<float> down, moved;
    box.onMouseDown([&](std::int16_t button, std::int16_t, float x, float y) { down = { float(button), x, y }; });
    box.onMouseMove([&](std::int16_t buttons, std::int16_t, float x, float y) { moved = { float(buttons), x, y }; });
    SendMessageW(windowOf(box), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(7 * scale, 5 * scale));
    SendMessageW(windowOf(box), WM_MOUSEMOVE, MK_LBUTTON | MK_MBUTTON, MAKELPARAM(9 * scale, 3 * scale));
    const float border = float(box.border());
    CHECK(down == std::vector<float> { float(MouseButton::Right), float(Twips::fromPixels(7 - border)),
                                       float(Twips::fromPixels(5 - border)) });
    CHECK(moved == std::vector<float> { float(MouseButton::Left + MouseButton::Middle),
                                        float(Twips::fromPixels(9 - border)), float(Twips::fromPixels(3 - border)) });
    CHECK(focused(form) == "Inside"); // the box is no tab stop
}

TEST_CASE("a timer's ticks come on its deadlines, never early; a new start replaces the wake-up, a stop ends them")
{
    Win32Toolkit toolkit(GetModuleHandleW(nullptr));
    constexpr auto interval = std::chrono::milliseconds(30);
    Timer timer;
    std::vector<Clock::duration> ticks;
    const Clock::time_point start = Clock::now();
    timer.onTimer([&] {
        ticks.push_back(Clock::now() - start);
        if (ticks.size() == 3)
            timer.setEnabled(false);
    });
    // Asked for a wake-up a minute away first, then for one on the interval.
    timer.setInterval(60'000);
    timer.setEnabled(true);
    timer.setInterval(int(interval.count()));
    // Long enough for a fourth tick, had the stop not ended them.
    Timer end;
    end.setInterval(600);
    end.onTimer([&] { toolkit.quit(0); });
    end.setEnabled(true);
    toolkit.exec();

    REQUIRE(ticks.size() == 3);
    // The clocks round apart by a microsecond or so.
    const auto slack = std::chrono::microseconds(100);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        CAPTURE(i);
        CHECK(ticks[i] + slack >= interval * int(i + 1));
    }
    // Late only by what a busy machine adds: a clock that ran at a tenth of
    // the speed would be later by ten intervals.
    CHECK(ticks.back() < interval * 3 + std::chrono::milliseconds(250));
}

TEST_CASE("quit ends every loop, a nested one first, and exec returns its status; the last form unloaded ends a run with 0")
{
    Win32Toolkit toolkit(GetModuleHandleW(nullptr));
    bool nestedReturned = false;
    Timer nest;
    nest.setInterval(10);
    nest.onTimer([&] {
        nest.setEnabled(false);
        toolkit.runWhile([] { return true; });
        nestedReturned = true;
    });
    Timer ending;
    ending.setInterval(40);
    ending.onTimer([&] { toolkit.quit(7); });
    nest.setEnabled(true);
    ending.setEnabled(true);
    CHECK(toolkit.exec() == 7);
    CHECK(nestedReturned);
    ending.setEnabled(false);

    // A later run starts afresh, and its end is the surface's.
    Form form(testDesign());
    Timer close;
    close.setInterval(20);
    close.onTimer([&] { form.unload(); });
    close.setEnabled(true);
    CHECK(Program::run(form) == 0);
    CHECK_FALSE(form.isLoaded());
}
