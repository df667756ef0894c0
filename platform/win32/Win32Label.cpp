// Zubrik: a label's peer: a system static text in the designed colours, border and alignment.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Label.h"

#include "platform/Label.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Text.h"

#include <algorithm>

namespace {

bool multiLine(const std::string &caption)
{
    return caption.find('\n') != std::string::npos;
}

// One line is centred from top to bottom, as the designs expect of a counter
// taller than its text; lines of several are set from the top.
DWORD labelStyle(const Label &label)
{
    DWORD style = SS_NOPREFIX;
    switch (label.alignment()) {
    case Alignment::Right: style |= SS_RIGHT; break;
    case Alignment::Center: style |= SS_CENTER; break;
    case Alignment::Left: style |= SS_LEFTNOWORDWRAP; break;
    }
    if (!multiLine(label.caption()))
        style |= SS_CENTERIMAGE;
    return style;
}

COLORREF colorRef(const Color &color)
{
    return RGB(color.red, color.green, color.blue);
}

} // namespace

Win32Label::Win32Label(Win32Form &form, Label &label, int id)
    : Win32Control(form, label, L"STATIC", labelStyle(label),
                   label.borderStyle() != 0 ? WS_EX_STATICEDGE : 0, id,
                   Win32Text::widen(label.caption())),
      m_label(label), m_caption(label.caption())
{
    if (const auto &back = label.backColor())
        m_backBrush = CreateSolidBrush(colorRef(*back));
    // Named by its caption as on every toolkit, and live where it is a
    // value another label names.
    makeAccessible();
    update();
}

Win32Label::~Win32Label()
{
    if (m_backBrush)
        DeleteObject(m_backBrush);
}

void Win32Label::update()
{
    if (m_caption != m_label.caption()) {
        m_caption = m_label.caption();
        const LONG style = GetWindowLongW(window(), GWL_STYLE);
        const LONG alignment = SS_NOPREFIX | SS_TYPEMASK | SS_CENTERIMAGE;
        SetWindowLongW(window(), GWL_STYLE, LONG((style & ~alignment) | labelStyle(m_label)));
        SetWindowTextW(window(), Win32Text::widen(m_caption).c_str());
    }
    Win32Control::update();
}

ControlPeer::PixelSize Win32Label::fittedSize() const
{
    HDC dc = GetDC(window());
    HGDIOBJ previous = SelectObject(dc, font());
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    int width = 0;
    int lines = 0;
    const std::wstring text = Win32Text::widen(m_label.caption());
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(L"\r\n", start);
        const std::wstring line = text.substr(start, end == std::wstring::npos ? end : end - start);
        SIZE extent {};
        GetTextExtentPoint32W(dc, line.c_str(), int(line.size()), &extent);
        width = std::max(width, int(extent.cx));
        ++lines;
        if (end == std::wstring::npos)
            break;
        start = end + 2;
    }
    SelectObject(dc, previous);
    ReleaseDC(window(), dc);
    // Measured in device pixels; the model counts designed ones, whole.
    const int scale = form().scale();
    const int border = m_label.borderStyle() != 0 ? 2 : 0;
    return { (width + scale - 1) / scale + border,
             (lines * int(metrics.tmHeight) + scale - 1) / scale + border };
}

HBRUSH Win32Label::colours(HDC dc)
{
    const auto &fore = m_label.foreColor();
    SetTextColor(dc, fore ? colorRef(*fore) : GetSysColor(COLOR_WINDOWTEXT));
    const auto &back = m_label.backColor();
    SetBkColor(dc, back ? colorRef(*back) : form().backColor());
    // Without a colour of its own, a label shows the window's.
    return m_backBrush ? m_backBrush : form().backBrush();
}
