// Zubrik: a line control's peer: a rule one pixel thick along an axis, in the window-text colour.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/win32/Win32Control.h"

class Line;

class Win32Line : public Win32Control
{
public:
    Win32Line(Win32Form &form, Line &line, int id);

protected:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
};
