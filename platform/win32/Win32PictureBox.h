// Zubrik: a picture box's peer: paints the model's persistent image and reports the mouse to it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/win32/Win32Control.h"

class PictureBox;

class Win32PictureBox : public Win32Control
{
public:
    Win32PictureBox(Win32Form &form, PictureBox &box, int id);

    void update() override;
    void refresh() override;

protected:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc);
    void reportMouse(UINT message, WPARAM wParam, LPARAM lParam);
    // A screen reader's pick of a choice: a click in its middle.
    void pick(WPARAM choice);

    PictureBox &m_box;
};
