// Zubrik: a frame's peer: a system group box; the controls in it are placed from its corner.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/win32/Win32Control.h"

#include <string>

class Frame;

class Win32Frame : public Win32Control
{
public:
    Win32Frame(Win32Form &form, Frame &frame, int id);

    void update() override;
    HBRUSH colours(HDC dc) override;

private:
    Frame &m_frame;
    std::string m_caption;
};
