// Zubrik: what a screen reader reads of the real windows on the Win32 backend under Wine, and what it hears change.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "core/Form1.h"
#include "core/GameState.h"
#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/win32/Win32Control.h"
#include "platform/win32/Win32Toolkit.h"

#include <oleacc.h>

#include <cstdio>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

HWND windowOf(const Control &control)
{
    return static_cast<const Win32Control *>(control.peer())->window();
}

void pump(Win32Toolkit &toolkit)
{
    toolkit.runWhile([] {
        MSG waiting;
        return PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
    });
}

std::string narrow(const wchar_t *text)
{
    if (!text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

// The client object as a reader gets it: the window's answer to WM_GETOBJECT,
// unmarshalled, as AccessibleObjectFromWindow does before wrapping it.
struct Object
{
    explicit Object(HWND window)
    {
        const LRESULT answer = SendMessageW(window, WM_GETOBJECT, 0, LPARAM(OBJID_CLIENT));
        if (answer > 0)
            ObjectFromLresult(answer, __uuidof(IAccessible), 0, reinterpret_cast<void **>(&object));
    }
    ~Object()
    {
        if (object)
            object->Release();
    }
    Object(const Object &) = delete;
    Object &operator=(const Object &) = delete;

    std::string text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR *), LONG child = 0) const
    {
        BSTR value = nullptr;
        (object->*get)(id(child), &value);
        std::string out = narrow(value);
        SysFreeString(value);
        return out;
    }
    std::string name(LONG child = 0) const { return text(&IAccessible::get_accName, child); }
    std::string description(LONG child = 0) const { return text(&IAccessible::get_accDescription, child); }
    LONG number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT *), LONG child) const
    {
        VARIANT value;
        VariantInit(&value);
        return SUCCEEDED((object->*get)(id(child), &value)) && value.vt == VT_I4 ? value.lVal : -1;
    }
    LONG role(LONG child = 0) const { return number(&IAccessible::get_accRole, child); }
    LONG state(LONG child = 0) const { return number(&IAccessible::get_accState, child); }
    LONG children() const
    {
        LONG count = -1;
        object->get_accChildCount(&count);
        return count;
    }
    // accFocus or accSelection: a child id, or -1 for none.
    LONG asked(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT *)) const
    {
        VARIANT value;
        VariantInit(&value);
        (object->*get)(&value);
        return value.vt == VT_I4 ? value.lVal : -1;
    }
    static VARIANT id(LONG child)
    {
        VARIANT value;
        value.vt = VT_I4;
        value.lVal = child;
        return value;
    }

    IAccessible *object = nullptr;
};

// Win events raised by this thread's windows, as a reader out of context
// receives them.
std::vector<std::tuple<DWORD, HWND, LONG>> heard;

void CALLBACK hear(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG child, DWORD, DWORD)
{
    if (objectId == OBJID_CLIENT)
        heard.emplace_back(event, window, child);
}

struct Listening
{
    Listening()
        : hook(SetWinEventHook(EVENT_OBJECT_FOCUS, 0x8019, nullptr, hear, GetCurrentProcessId(), 0,
                               WINEVENT_OUTOFCONTEXT))
    {
        heard.clear();
    }
    ~Listening() { UnhookWinEvent(hook); }
    bool saw(DWORD event, HWND window, LONG child) const
    {
        for (const auto &one : heard)
            if (one == std::make_tuple(event, window, child))
                return true;
        return false;
    }
    HWINEVENTHOOK hook;
};

std::string states(LONG state)
{
    static const std::pair<LONG, const char *> names[] = {
        { STATE_SYSTEM_INVISIBLE, "invisible" },     { STATE_SYSTEM_OFFSCREEN, "offscreen" },
        { STATE_SYSTEM_UNAVAILABLE, "unavailable" }, { STATE_SYSTEM_READONLY, "read-only" },
        { STATE_SYSTEM_FOCUSABLE, "focusable" },     { STATE_SYSTEM_FOCUSED, "focused" },
        { STATE_SYSTEM_SELECTABLE, "selectable" },   { STATE_SYSTEM_SELECTED, "selected" },
    };
    std::string out;
    for (const auto &[bit, name] : names)
        if (state & bit)
            out += std::string(out.empty() ? "" : ",") + name;
    return out.empty() ? "normal" : out;
}

std::string roleName(LONG role)
{
    wchar_t text[64] = {};
    GetRoleTextW(DWORD(role), text, 64);
    return narrow(text);
}

std::string line(const Object &object, LONG child)
{
    std::string description = object.description(child);
    for (std::size_t at; (at = description.find('\n')) != std::string::npos;)
        description.replace(at, 1, " / ");
    return roleName(object.role(child)) + " \"" + object.name(child) + "\" [" + description + "] "
        + states(object.state(child));
}

// The tree a reader walks, printed for the record: each control of the
// form's, the program's objects in full, the system's controls by class.
void printTree(const char *title, const Form &form)
{
    std::printf("== %s\n", title);
    for (const auto &control : form.controls()) {
        const HWND window = windowOf(*control);
        Object object(window);
        if (!object.object) {
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            std::printf("  %s: system %s%s\n", control->fullName().c_str(), narrow(className).c_str(),
                        IsWindowVisible(window) ? "" : " (hidden)");
            continue;
        }
        std::printf("  %s: %s\n", control->fullName().c_str(), line(object, CHILDID_SELF).c_str());
        for (LONG child = 1; child <= object.children(); ++child)
            std::printf("    %ld: %s\n", long(child), line(object, child).c_str());
    }
    std::fflush(stdout);
}

void typeKey(HWND window, WPARAM key)
{
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 1 | (LPARAM(KF_UP | KF_REPEAT) << 16));
}

} // namespace

TEST_CASE("the main window: the stage is a named picture, the stores are hidden, the counter is heard")
{
    Win32Toolkit toolkit(GetModuleHandleW(nullptr));
    GameState state;
    Form1 form(state);
    form.show();
    pump(toolkit);

    // For the record: what this system's oleacc makes of the convenience
    // calls, for a system button and for the stage (which must be ours).
    for (const auto &[what, window] : { std::pair<const char *, HWND> { "button", windowOf(form.Cmd_jump) },
                                        { "stage", windowOf(form.Pic) } }) {
        IAccessible *standard = nullptr, *found = nullptr;
        const HRESULT made = CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                       reinterpret_cast<void **>(&standard));
        const HRESULT asked = AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                                         reinterpret_cast<void **>(&found));
        BSTR name = nullptr;
        if (found)
            found->get_accName(Object::id(CHILDID_SELF), &name);
        std::printf("%s: CreateStdAccessibleObject 0x%08lx, AccessibleObjectFromWindow 0x%08lx, name \"%s\"\n",
                    what, static_cast<unsigned long>(made), static_cast<unsigned long>(asked),
                    narrow(name).c_str());
        SysFreeString(name);
        for (IAccessible *object : { standard, found })
            if (object)
                object->Release();
    }

    Object pic(windowOf(form.Pic));
    REQUIRE(pic.object);
    CHECK(pic.role() == ROLE_SYSTEM_GRAPHIC);
    CHECK(pic.name() == "ゲーム画面");
    CHECK(pic.description() == "ステージ「平原」、肉「まんが肉」");
    CHECK(pic.children() == 0);

    // Sheets of sprites, no picture of the player's: hidden windows, and
    // hidden to anyone who asks them anyway.
    for (const PictureBox *store : { &form.Bg(0), &form.Bg(3), &form.Kage, &form.Niku, &form.Moji }) {
        CAPTURE(store->fullName());
        CHECK_FALSE(IsWindowVisible(windowOf(*store)));
        Object object(windowOf(*store));
        REQUIRE(object.object);
        CHECK((object.state() & STATE_SYSTEM_INVISIBLE) != 0);
    }

    const HWND counter = windowOf(form.Lbl_count);
    Object count(counter);
    REQUIRE(count.object);
    CHECK(count.role() == ROLE_SYSTEM_STATICTEXT);
    CHECK(count.name() == "0");
    Listening listening;
    SendMessageW(windowOf(form.Cmd_jump), BM_CLICK, 0, 0);
    pump(toolkit);
    CHECK(count.name() == "1");
    CHECK(listening.saw(EVENT_OBJECT_NAMECHANGE, counter, CHILDID_SELF));
    CHECK(listening.saw(0x8019, counter, CHILDID_SELF));
    printTree("main window after a jump", form);
}

TEST_CASE("a dialog's strip is a list of the choices offered; the keys move the selection and the focus")
{
    struct Row
    {
        bool stage;
        std::int16_t hidden;
    };
    for (const Row row : { Row { false, 0 }, Row { false, 1 }, Row { true, 0 }, Row { true, 1 } }) {
        CAPTURE(row.stage);
        CAPTURE(row.hidden);
        Win32Toolkit toolkit(GetModuleHandleW(nullptr));
        GameState state;
        Form1 mainWindow(state);
        state.hiddenMode = row.hidden; // after the main window's load, which starts the game afresh
        mainWindow.show();
        std::unique_ptr<SelectionDialog> dialog;
        if (row.stage)
            dialog = std::make_unique<Form3>(mainWindow);
        else
            dialog = std::make_unique<Form2>(mainWindow);
        dialog->show();
        pump(toolkit);
        const HWND strip = windowOf(dialog->Picture1);
        REQUIRE(GetFocus() == strip);
        Object list(strip);
        REQUIRE(list.object);

        const LONG offered = 3 + row.hidden;
        CHECK(list.role() == ROLE_SYSTEM_LIST);
        CHECK(list.name() == dialog->caption());
        REQUIRE(list.children() == offered);
        for (LONG child = 1; child <= offered; ++child) {
            CAPTURE(child);
            const auto i = std::int16_t(child - 1);
            std::string description = row.stage ? Form3::description(i) : Form2::description(i);
            for (std::size_t at; (at = description.find("\r\n")) != std::string::npos;)
                description.replace(at, 2, "\n");
            CHECK(list.role(child) == ROLE_SYSTEM_LISTITEM);
            CHECK(list.name(child) == dialog->Label1(i).caption());
            CHECK(list.description(child) == description);
            CHECK((list.state(child) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED)) == 0);
        }
        CHECK(list.asked(&IAccessible::get_accSelection) == -1);
        CHECK(list.asked(&IAccessible::get_accFocus) == CHILDID_SELF);
        CHECK((list.state() & STATE_SYSTEM_FOCUSED) != 0);
        CHECK(list.role(offered + 1) == -1); // no locked choice behind the last
        // Nor its name, which lies outside the window until it is offered.
        Object lockedName(windowOf(dialog->Label1(3)));
        REQUIRE(lockedName.object);
        CHECK(((lockedName.state() & STATE_SYSTEM_INVISIBLE) != 0) == (row.hidden == 0));

        Listening listening;
        for (const auto &[key, marked] : { std::pair<WPARAM, LONG> { VK_RIGHT, 1 }, { VK_END, offered },
                                           { VK_LEFT, offered - 1 } }) {
            CAPTURE(marked);
            typeKey(strip, key);
            pump(toolkit);
            for (LONG child = 1; child <= offered; ++child)
                CHECK(((list.state(child) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED))
                       == (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED))
                      == (child == marked));
            CHECK(list.asked(&IAccessible::get_accSelection) == marked);
            CHECK(list.asked(&IAccessible::get_accFocus) == marked);
            CHECK((list.state() & STATE_SYSTEM_FOCUSED) == 0);
            CHECK(listening.saw(EVENT_OBJECT_FOCUS, strip, marked));
            CHECK(listening.saw(EVENT_OBJECT_SELECTION, strip, marked));
        }
        // The description below the strip follows the mark, but is not a
        // live region: the item's own description already said it.
        CHECK_FALSE(listening.saw(0x8019, windowOf(dialog->Chara), CHILDID_SELF));
        if (row.stage && row.hidden)
            printTree("stage select, hidden mode, End then Left", *dialog);
        if (!row.stage && !row.hidden)
            printTree("character select, End then Left", *dialog);

        // Where each choice lies, as a reader points at it: the centre of
        // its rectangle is that choice to the reader, and to the game, whose
        // description of it the mouse brings up there.
        for (LONG child = 1; child <= offered; ++child) {
            CAPTURE(child);
            LONG x = 0, y = 0, width = 0, height = 0;
            REQUIRE(list.object->accLocation(&x, &y, &width, &height, Object::id(child)) == S_OK);
            VARIANT hit;
            VariantInit(&hit);
            list.object->accHitTest(x + width / 2, y + height / 2, &hit);
            CHECK(hit.vt == VT_I4);
            CHECK(hit.lVal == child);
            POINT centre { x + width / 2, y + height / 2 };
            ScreenToClient(strip, &centre);
            SendMessageW(strip, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
            const auto i = std::int16_t(child - 1);
            CHECK(dialog->Chara.caption() == (row.stage ? Form3::description(i) : Form2::description(i)));
        }

        // The reader's pick closes the dialog as a click would; the object
        // it still holds then says it is gone, without harm.
        REQUIRE(list.object->accDoDefaultAction(Object::id(2)) == S_OK);
        pump(toolkit);
        CHECK_FALSE(dialog->isLoaded());
        if (row.stage)
            CHECK(state.stageDc == mainWindow.Bg(1).hDC());
        else
            CHECK(state.charFrameX == 92);
        dialog.reset();
        BSTR name = nullptr;
        CHECK(list.object->get_accName(Object::id(CHILDID_SELF), &name) == CO_E_OBJNOTCONNECTED);
        CHECK(name == nullptr);
    }
}
