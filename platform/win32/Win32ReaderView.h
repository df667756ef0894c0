// Zubrik: what a screen reader is told of a picture box or a label of the game, read live from its model.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/win32/Win32Api.h"

#include <oleacc.h>

#include <string>

class Win32Control;

// Windows' own controls describe themselves; a window of the program's own
// class would be an empty box to a reader. A picture box with choices is a
// list whose items are the choices, the one the keyboard stands on selected,
// and focused while the box has the focus; any other is an image with the
// name and description the game gives it. A label is static text named by
// its caption; one that another label names (the counter) is a polite live
// region, so that its changes are heard unasked.
//
// Items are numbered as readers number them: 0 is the control itself, 1..n
// its choices.
class Win32ReaderView
{
public:
    explicit Win32ReaderView(Win32Control &peer);
    ~Win32ReaderView();
    Win32ReaderView(const Win32ReaderView &) = delete;
    Win32ReaderView &operator=(const Win32ReaderView &) = delete;

    HWND window() const;
    int choiceCount() const;
    bool isItem(LONG item) const { return item >= 0 && item <= choiceCount(); }
    // The choice the keyboard stands on, as an item; 0 for none.
    LONG markedItem() const;
    bool keyboardIsHere() const;

    std::string name(LONG item) const;
    std::string description(LONG item) const;
    LONG role(LONG item) const;
    LONG state(LONG item) const;
    // In screen pixels.
    RECT location(LONG item) const;
    // The item at a point of the screen, or -1 outside the control.
    LONG itemAt(POINT at) const;
    // A reader's pick of a choice, as a click on it would, once the reader's
    // call has returned: the pick closes the dialog, window and all. False
    // while the player could not pick it either.
    bool pick(LONG item) const;

    // The model changed: tells readers what of it they would hear.
    void changed();
    // The window took the keyboard: the choice on it is what has the focus.
    void focusArrived() const;

    // Posted to the window by pick(): wParam is the choice, from 0.
    static constexpr UINT pickMessage = WM_APP + 2;

private:
    // Visible, and within its window's client area.
    bool seen() const;
    void notify(DWORD event, LONG item) const;
    void makeLive();

    Win32Control &m_peer;
    IAccPropServices *m_annotations = nullptr;
    // What readers last heard, to tell them only of changes.
    std::string m_heardName;
    std::string m_heardDescription;
    LONG m_heardMark = 0;
};
