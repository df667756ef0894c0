// Zubrik: a picture box's or a label's accessible object, as a screen reader asks it over COM.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Accessible.h"

#include "platform/win32/Win32Text.h"

namespace {

// Said to a reader for a choice's default action.
constexpr const char *pickAction = "選択";

HRESULT giveText(const std::string &text, BSTR *out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    *out = SysAllocString(Win32Text::widen(text).c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT giveNumber(LONG number, VARIANT *out)
{
    if (!out)
        return E_POINTER;
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

// Clears what a caller passed for an answer that is not given.
template <typename T> void clear(T *out)
{
    if (out)
        *out = T {};
}

} // namespace

Win32Accessible::Win32Accessible(Win32Control &peer) : m_view(std::make_unique<Win32ReaderView>(peer))
{
}

Win32Accessible::~Win32Accessible() = default;

void Win32Accessible::detach()
{
    m_view.reset();
}

LRESULT Win32Accessible::answer(WPARAM wParam)
{
    return LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible *>(this));
}

HRESULT Win32Accessible::itemOf(const VARIANT &child, LONG &item) const
{
    if (!m_view)
        return CO_E_OBJNOTCONNECTED;
    if (child.vt != VT_I4 || !m_view->isItem(child.lVal))
        return E_INVALIDARG;
    item = child.lVal;
    return S_OK;
}

HRESULT Win32Accessible::noSuchMember() const
{
    return m_view ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT Win32Accessible::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Win32Accessible::AddRef()
{
    return ULONG(InterlockedIncrement(&m_references));
}

ULONG Win32Accessible::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return ULONG(left);
}

HRESULT Win32Accessible::GetTypeInfoCount(UINT *count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT Win32Accessible::GetTypeInfo(UINT, LCID, ITypeInfo **info)
{
    clear(info);
    return E_NOTIMPL;
}

HRESULT Win32Accessible::GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *)
{
    return E_NOTIMPL;
}

HRESULT Win32Accessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *, UINT *)
{
    return E_NOTIMPL;
}

HRESULT Win32Accessible::get_accParent(IDispatch **parent)
{
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    if (!m_view)
        return CO_E_OBJNOTCONNECTED;
    // The window's frame object, which the system makes.
    if (FAILED(AccessibleObjectFromWindow(m_view->window(), DWORD(OBJID_WINDOW), __uuidof(IDispatch),
                                          reinterpret_cast<void **>(parent))))
        return S_FALSE;
    return S_OK;
}

HRESULT Win32Accessible::get_accChildCount(LONG *count)
{
    if (!count)
        return E_POINTER;
    if (!m_view)
        return CO_E_OBJNOTCONNECTED;
    *count = m_view->choiceCount();
    return S_OK;
}

HRESULT Win32Accessible::get_accChild(VARIANT child, IDispatch **object)
{
    clear(object);
    LONG item = 0;
    const HRESULT known = itemOf(child, item);
    // The choices are simple elements, reached through this object.
    return FAILED(known) ? known : S_FALSE;
}

HRESULT Win32Accessible::get_accName(VARIANT child, BSTR *name)
{
    clear(name);
    LONG item = 0;
    const HRESULT known = itemOf(child, item);
    return FAILED(known) ? known : giveText(m_view->name(item), name);
}

HRESULT Win32Accessible::get_accValue(VARIANT, BSTR *value)
{
    clear(value);
    return noSuchMember();
}

HRESULT Win32Accessible::get_accDescription(VARIANT child, BSTR *description)
{
    clear(description);
    LONG item = 0;
    const HRESULT known = itemOf(child, item);
    return FAILED(known) ? known : giveText(m_view->description(item), description);
}

HRESULT Win32Accessible::get_accRole(VARIANT child, VARIANT *role)
{
    if (role)
        VariantInit(role);
    LONG item = 0;
    const HRESULT known = itemOf(child, item);
    return FAILED(known) ? known : giveNumber(m_view->role(item), role);
}

HRESULT Win32Accessible::get_accState(VARIANT child, VARIANT *state)
{
    if (state)
        VariantInit(state);
    LONG item = 0;
    const HRESULT known = itemOf(child, item);
    return FAILED(known) ? known : giveNumber(m_view->state(item), state);
}

HRESULT Win32Accessible::get_accHelp(VARIANT, BSTR *help)
{
    clear(help);
    return noSuchMember();
}

HRESULT Win32Accessible::get_accHelpTopic(BSTR *file, VARIANT, LONG *topic)
{
    clear(file);
    clear(topic);
    return noSuchMember();
}

HRESULT Win32Accessible::get_accKeyboardShortcut(VARIANT, BSTR *shortcut)
{
    clear(shortcut);
    return noSuchMember();
}

HRESULT Win32Accessible::get_accFocus(VARIANT *child)
{
    if (!child)
        return E_POINTER;
    VariantInit(child);
    if (!m_view)
        return CO_E_OBJNOTCONNECTED;
    // Nothing here has the keyboard: an empty answer.
    return m_view->keyboardIsHere() ? giveNumber(m_view->markedItem(), child) : S_FALSE;
}

HRESULT Win32Accessible::get_accSelection(VARIANT *children)
{
    if (!children)
        return E_POINTER;
    VariantInit(children);
    if (!m_view)
        return CO_E_OBJNOTCONNECTED;
    const LONG marked = m_view->markedItem();
    return marked != CHILDID_SELF ? giveNumber(marked, children) : S_FALSE;
}

HRESULT Win32Accessible::get_accDefaultAction(VARIANT child, BSTR *action)
{
    clear(action);
    LONG item = 0;
    const HRESULT known = itemOf(child, item);
    if (FAILED(known))
        return known;
    return item == CHILDID_SELF ? DISP_E_MEMBERNOTFOUND : giveText(pickAction, action);
}

HRESULT Win32Accessible::accSelect(LONG, VARIANT)
{
    return noSuchMember();
}

HRESULT Win32Accessible::accLocation(LONG *left, LONG *top, LONG *width, LONG *height, VARIANT child)
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    LONG item = 0;
    const HRESULT known = itemOf(child, item);
    if (FAILED(known))
        return known;
    const RECT rect = m_view->location(item);
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
}

HRESULT Win32Accessible::accNavigate(LONG direction, VARIANT start, VARIANT *end)
{
    if (!end)
        return E_POINTER;
    VariantInit(end);
    LONG from = 0;
    const HRESULT known = itemOf(start, from);
    if (FAILED(known))
        return known;
    const LONG count = m_view->choiceCount();
    LONG to = -1;
    if (from == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD && count > 0)
        to = 1;
    else if (from == CHILDID_SELF && direction == NAVDIR_LASTCHILD && count > 0)
        to = count;
    else if (from != CHILDID_SELF && (direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT) && from < count)
        to = from + 1;
    else if (from > 1 && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT))
        to = from - 1;
    // Beyond the box's own choices lie the system's windows, which it walks.
    return to < 0 ? S_FALSE : giveNumber(to, end);
}

HRESULT Win32Accessible::accHitTest(LONG x, LONG y, VARIANT *child)
{
    if (!child)
        return E_POINTER;
    VariantInit(child);
    if (!m_view)
        return CO_E_OBJNOTCONNECTED;
    const LONG item = m_view->itemAt({ x, y });
    return item < 0 ? S_FALSE : giveNumber(item, child);
}

HRESULT Win32Accessible::accDoDefaultAction(VARIANT child)
{
    LONG item = 0;
    const HRESULT known = itemOf(child, item);
    if (FAILED(known))
        return known;
    if (item == CHILDID_SELF)
        return DISP_E_MEMBERNOTFOUND;
    return m_view->pick(item) ? S_OK : E_ACCESSDENIED;
}

HRESULT Win32Accessible::put_accName(VARIANT, BSTR)
{
    return noSuchMember();
}

HRESULT Win32Accessible::put_accValue(VARIANT, BSTR)
{
    return noSuchMember();
}
