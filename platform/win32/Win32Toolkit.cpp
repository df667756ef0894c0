// Zubrik: the Win32 toolkit: the game's forms as windows, its boxes, its beep, and the message loop.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Toolkit.h"

#include "platform/win32/FontChoice.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Timer.h"

#include <commctrl.h>
#include <ole2.h>
#include <mmsystem.h>

#include <algorithm>

namespace {

Win32Toolkit *installedToolkit = nullptr;

int CALLBACK collectFamily(const LOGFONTW *font, const TEXTMETRICW *, DWORD, LPARAM families)
{
    reinterpret_cast<std::vector<std::wstring> *>(families)->push_back(font->lfFaceName);
    return 1;
}

std::vector<std::wstring> installedFamilies()
{
    std::vector<std::wstring> families;
    LOGFONTW wanted {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, collectFamily, LPARAM(&families), 0);
    ReleaseDC(nullptr, screen);
    return families;
}

HICON loadIcon(HINSTANCE instance, int sizeMetric)
{
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

} // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance) : m_instance(instance)
{
    installedToolkit = this;
    Toolkit::install(this);
    // Screen readers' objects are handed over through COM, in this thread's
    // apartment.
    m_ole = SUCCEEDED(OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls { sizeof(controls), ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&controls);
    m_largeIcon = loadIcon(instance, SM_CXICON);
    m_smallIcon = loadIcon(instance, SM_CXSMICON);
    registerClasses();
    m_messageWindow = CreateWindowExW(0, L"ZubrikTicks", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      instance, nullptr);
    SetWindowLongPtrW(m_messageWindow, GWLP_USERDATA, LONG_PTR(this));
    if (Win32Timer::needsFineClock())
        timeBeginPeriod(1);
}

Win32Toolkit::~Win32Toolkit()
{
    if (Win32Timer::needsFineClock())
        timeEndPeriod(1);
    DestroyWindow(m_messageWindow);
    for (const auto &entry : m_fonts)
        DeleteObject(entry.second);
    for (const wchar_t *name : { formClass, pictureClass, imageClass, lineClass, L"ZubrikTicks" })
        UnregisterClassW(name, m_instance);
    if (m_largeIcon)
        DestroyIcon(m_largeIcon);
    if (m_smallIcon)
        DestroyIcon(m_smallIcon);
    if (m_ole)
        OleUninitialize();
    Toolkit::install(nullptr);
    installedToolkit = nullptr;
}

Win32Toolkit &Win32Toolkit::instance()
{
    return *installedToolkit;
}

void Win32Toolkit::registerClasses()
{
    WNDCLASSEXW form {};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = Win32Form::windowProc;
    form.hInstance = m_instance;
    form.hIcon = m_largeIcon;
    form.hIconSm = m_smallIcon;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.lpszClassName = formClass;
    RegisterClassExW(&form);

    for (const wchar_t *name : { pictureClass, imageClass, lineClass }) {
        WNDCLASSEXW drawn {};
        drawn.cbSize = sizeof(drawn);
        // Each control's peer puts its own procedure before this one.
        drawn.lpfnWndProc = DefWindowProcW;
        drawn.hInstance = m_instance;
        drawn.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        drawn.lpszClassName = name;
        RegisterClassExW(&drawn);
    }

    WNDCLASSEXW ticks {};
    ticks.cbSize = sizeof(ticks);
    ticks.lpfnWndProc = messageWindowProc;
    ticks.hInstance = m_instance;
    ticks.lpszClassName = L"ZubrikTicks";
    RegisterClassExW(&ticks);
}

LRESULT CALLBACK Win32Toolkit::messageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *toolkit = reinterpret_cast<Win32Toolkit *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (toolkit && message == tickMessage) {
        // A timer gone since it posted the tick is no longer listed.
        const auto timer = toolkit->m_timers.find(int(wParam));
        if (timer != toolkit->m_timers.end())
            timer->second->deliver();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::unique_ptr<FormPeer> Win32Toolkit::createPeer(Form &form)
{
    return std::make_unique<Win32Form>(*this, form);
}

std::unique_ptr<TimerPeer> Win32Toolkit::createPeer(Timer &timer)
{
    return std::make_unique<Win32Timer>(*this, timer);
}

void Win32Toolkit::showMessage(const std::string &prompt, const std::string &title)
{
    // Owned by the window in use, which takes no input meanwhile; with none,
    // every window of the program waits.
    HWND owner = GetActiveWindow();
    const UINT flags = MB_OK | (owner ? MB_APPLMODAL : MB_TASKMODAL);
    MessageBoxW(owner, Win32Text::widen(prompt).c_str(), Win32Text::widen(title).c_str(), flags);
}

void Win32Toolkit::beep()
{
    // The system's default sound, played without waiting for it.
    MessageBeep(MB_OK);
}

void Win32Toolkit::quit(int exitCode)
{
    // Every loop returns, the modal ones too (each passes the quit on), and
    // any loop begun after this returns at once.
    if (m_quitting)
        return;
    m_quitting = true;
    m_exitCode = exitCode;
    PostQuitMessage(exitCode);
}

int Win32Toolkit::exec()
{
    runWhile([] { return true; });
    // A quit asked for outside any loop, or passed on by the last one, is spent.
    MSG spent;
    while (PeekMessageW(&spent, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    const int status = m_exitCode;
    m_quitting = false;
    m_exitCode = 0;
    return status;
}

void Win32Toolkit::runWhile(const std::function<bool()> &condition)
{
    ++m_loopDepth;
    MSG message;
    while (!m_quitting && condition()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // WM_QUIT: an outer loop must see it too.
            if (got == 0 && !m_quitting) {
                m_quitting = true;
                m_exitCode = int(message.wParam);
            }
            break;
        }
        if (preTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    --m_loopDepth;
    // A nested loop leaves the quit for the loops outside it.
    if (m_quitting && m_loopDepth > 0)
        PostQuitMessage(m_exitCode);
}

bool Win32Toolkit::preTranslate(const MSG &message)
{
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        break;
    default:
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (Win32Form *form : m_forms)
        if (form->window() == root)
            return form->preTranslateKey(message);
    return false;
}

std::wstring Win32Toolkit::fontFamily()
{
    if (m_family.empty())
        m_family = FontChoice::chooseFamily(installedFamilies());
    return m_family;
}

HFONT Win32Toolkit::font(const Font &font, int scale)
{
    const auto key = std::make_tuple(font.points, font.bold, scale, font.family);
    const auto found = m_fonts.find(key);
    if (found != m_fonts.end())
        return found->second;
    LOGFONTW wanted {};
    wanted.lfHeight = FontChoice::logicalHeight(font.points, scale);
    wanted.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    wanted.lfCharSet = DEFAULT_CHARSET;
    wanted.lfQuality = DEFAULT_QUALITY;
    // The designs name one family for all their text: it is the one resolved.
    const std::wstring family = font.family == Font::designFamily ? fontFamily() : Win32Text::widen(font.family);
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectW(&wanted);
    m_fonts.emplace(key, made);
    return made;
}

void Win32Toolkit::addForm(Win32Form *form)
{
    m_forms.push_back(form);
}

void Win32Toolkit::removeForm(Win32Form *form)
{
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
}

int Win32Toolkit::addTimer(Win32Timer *timer)
{
    const int id = m_nextTimer++;
    m_timers.emplace(id, timer);
    return id;
}

void Win32Toolkit::removeTimer(int id)
{
    m_timers.erase(id);
}
