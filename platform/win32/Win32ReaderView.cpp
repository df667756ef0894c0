// Zubrik: what a screen reader is told of a picture box or a label of the game, read live from its model.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32ReaderView.h"

#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/win32/Win32Control.h"
#include "platform/win32/Win32Form.h"

namespace {

// Newer than the headers' Windows 7: a live region's politeness, which UI
// Automation reads from the annotation (Windows 8 and later; an older system
// keeps the annotation unread), and the event that says it changed.
constexpr GUID liveSettingProperty = { 0xc12bcd8e, 0x2a8e, 0x4950,
                                       { 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb } };
constexpr LONG politeLiveSetting = 1;
// The annotation service's ids, spelled out: taking them from oleacc's import
// library brings in its IAccessible id too, which the default uuid library
// also defines.
constexpr GUID annotationService = { 0xb5f8350b, 0x0548, 0x48b1, { 0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7 } };
constexpr GUID annotationInterface = { 0x6e26e776, 0x04f0, 0x495d, { 0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69 } };
constexpr DWORD liveRegionChanged = 0x8019;

const PictureBox *pictureOf(const Control &control)
{
    return control.kind() == ControlKind::PictureBox ? static_cast<const PictureBox *>(&control) : nullptr;
}

const Label *labelOf(const Control &control)
{
    return control.kind() == ControlKind::Label ? static_cast<const Label *>(&control) : nullptr;
}

// A label that another label names is a value shown with a caption of its
// own, such as the counter: what it says changes as the game goes.
bool labelled(const Control &control)
{
    for (const auto &other : control.form().controls())
        if (const Label *label = labelOf(*other); label && label->buddyControl() == &control)
            return true;
    return false;
}

const PictureBox::Choice &choice(const Control &control, LONG item)
{
    return pictureOf(control)->choices()[std::size_t(item - 1)];
}

} // namespace

Win32ReaderView::Win32ReaderView(Win32Control &peer) : m_peer(peer)
{
    m_heardName = name(CHILDID_SELF);
    m_heardDescription = description(CHILDID_SELF);
    m_heardMark = markedItem();
    if (labelOf(peer.model()) && labelled(peer.model()))
        makeLive();
}

Win32ReaderView::~Win32ReaderView()
{
    if (!m_annotations)
        return;
    m_annotations->ClearHwndProps(window(), DWORD(OBJID_CLIENT), CHILDID_SELF, &liveSettingProperty, 1);
    m_annotations->Release();
}

void Win32ReaderView::makeLive()
{
    // Through the system's annotation service, so that the label stays the
    // system's static text to UI Automation, only live.
    if (FAILED(CoCreateInstance(annotationService, nullptr, CLSCTX_INPROC_SERVER, annotationInterface,
                                reinterpret_cast<void **>(&m_annotations))))
        return;
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = politeLiveSetting;
    m_annotations->SetHwndProp(window(), DWORD(OBJID_CLIENT), CHILDID_SELF, liveSettingProperty, polite);
}

HWND Win32ReaderView::window() const
{
    return m_peer.window();
}

int Win32ReaderView::choiceCount() const
{
    const PictureBox *box = pictureOf(m_peer.model());
    return box ? int(box->choices().size()) : 0;
}

LONG Win32ReaderView::markedItem() const
{
    const PictureBox *box = pictureOf(m_peer.model());
    if (!box || box->markedChoice() < 0 || box->markedChoice() >= choiceCount())
        return CHILDID_SELF;
    return box->markedChoice() + 1;
}

bool Win32ReaderView::keyboardIsHere() const
{
    return GetFocus() == window();
}

std::string Win32ReaderView::name(LONG item) const
{
    const Control &control = m_peer.model();
    if (item != CHILDID_SELF)
        return choice(control, item).name;
    if (const Label *label = labelOf(control); label && control.accessibleName().empty())
        return label->caption();
    return control.accessibleName();
}

std::string Win32ReaderView::description(LONG item) const
{
    const Control &control = m_peer.model();
    return item == CHILDID_SELF ? control.accessibleDescription() : choice(control, item).description;
}

LONG Win32ReaderView::role(LONG item) const
{
    if (item != CHILDID_SELF)
        return ROLE_SYSTEM_LISTITEM;
    if (labelOf(m_peer.model()))
        return ROLE_SYSTEM_STATICTEXT;
    return choiceCount() > 0 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_GRAPHIC;
}

bool Win32ReaderView::seen() const
{
    if (!IsWindowVisible(window()))
        return false;
    // A control placed wholly outside its window, as the dialogs keep the
    // name of a choice not yet offered, is no more seen than a hidden one.
    const HWND parent = GetAncestor(window(), GA_PARENT);
    RECT client {}, placed {}, common {};
    GetClientRect(parent, &client);
    MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT *>(&client), 2);
    GetWindowRect(window(), &placed);
    return IntersectRect(&common, &client, &placed) != FALSE;
}

LONG Win32ReaderView::state(LONG item) const
{
    LONG state = seen() ? 0 : STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    if (item != CHILDID_SELF) {
        state |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
        if (item == markedItem())
            state |= STATE_SYSTEM_SELECTED | (keyboardIsHere() ? STATE_SYSTEM_FOCUSED : 0);
        return state;
    }
    const Control &control = m_peer.model();
    if (!IsWindowEnabled(window()))
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (labelOf(control))
        state |= STATE_SYSTEM_READONLY;
    if (control.takesFocus())
        state |= STATE_SYSTEM_FOCUSABLE;
    // The box has the keyboard, unless a choice in it does.
    if (keyboardIsHere() && markedItem() == CHILDID_SELF)
        state |= STATE_SYSTEM_FOCUSED;
    return state;
}

RECT Win32ReaderView::location(LONG item) const
{
    RECT rect {};
    if (item == CHILDID_SELF) {
        GetWindowRect(window(), &rect);
        return rect;
    }
    const PixelRect &at = choice(m_peer.model(), item).rect;
    const int scale = m_peer.form().scale();
    // Client pixels lie inside the border, which the window draws in its own
    // client area.
    const int border = pictureOf(m_peer.model())->border();
    rect = { (border + at.x) * scale, (border + at.y) * scale, (border + at.x + at.width) * scale,
             (border + at.y + at.height) * scale };
    MapWindowPoints(window(), HWND_DESKTOP, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

LONG Win32ReaderView::itemAt(POINT at) const
{
    for (LONG item = 0; item <= choiceCount(); ++item) {
        // The choices first: they lie on the control.
        const LONG tried = item == choiceCount() ? CHILDID_SELF : item + 1;
        const RECT rect = location(tried);
        if (PtInRect(&rect, at))
            return tried;
    }
    return -1;
}

bool Win32ReaderView::pick(LONG item) const
{
    // Not while the box is out of the player's reach, nor under a modal
    // window, which has the box's window disabled.
    if (item == CHILDID_SELF || !m_peer.model().shownEnabled()
        || !IsWindowEnabled(GetAncestor(window(), GA_ROOT)))
        return false;
    return PostMessageW(window(), pickMessage, WPARAM(item - 1), 0) != FALSE;
}

void Win32ReaderView::notify(DWORD event, LONG item) const
{
    NotifyWinEvent(event, window(), OBJID_CLIENT, item);
}

void Win32ReaderView::changed()
{
    const std::string name = this->name(CHILDID_SELF);
    const std::string description = this->description(CHILDID_SELF);
    const LONG mark = markedItem();
    // A window not shown says nothing: a form fills its labels before it
    // shows, and readers pass hidden windows by.
    if (IsWindowVisible(window())) {
        if (name != m_heardName) {
            notify(EVENT_OBJECT_NAMECHANGE, CHILDID_SELF);
            if (m_annotations)
                notify(liveRegionChanged, CHILDID_SELF);
        }
        if (description != m_heardDescription)
            notify(EVENT_OBJECT_DESCRIPTIONCHANGE, CHILDID_SELF);
        if (mark != m_heardMark && mark != CHILDID_SELF) {
            if (keyboardIsHere())
                notify(EVENT_OBJECT_FOCUS, mark);
            notify(EVENT_OBJECT_SELECTION, mark);
        } else if (mark != m_heardMark && m_heardMark <= choiceCount()) {
            notify(EVENT_OBJECT_SELECTIONREMOVE, m_heardMark);
        }
    }
    m_heardName = name;
    m_heardDescription = description;
    m_heardMark = mark;
}

void Win32ReaderView::focusArrived() const
{
    if (markedItem() != CHILDID_SELF)
        notify(EVENT_OBJECT_FOCUS, markedItem());
}
