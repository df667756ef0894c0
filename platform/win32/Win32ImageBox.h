// Zubrik: an image control's peer: its picture as it is, or stretched to the control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Image.h"
#include "platform/win32/Win32Control.h"

class ImageBox;

class Win32ImageBox : public Win32Control
{
public:
    Win32ImageBox(Win32Form &form, ImageBox &box, int id);

    void update() override;

protected:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ImageBox &m_box;
    // The picture at the control's designed size, when stretched.
    Image m_stretched;
};
