// Zubrik: a command button's peer: a system push button, clicked by the mouse (the keys are the form's).
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/win32/Win32Control.h"

#include <string>

class CommandButton;

class Win32CommandButton : public Win32Control
{
public:
    Win32CommandButton(Win32Form &form, CommandButton &button, int id);

    void update() override;
    void command(int notification) override;
    HBRUSH colours(HDC) override;

private:
    CommandButton &m_button;
    std::string m_caption;
};
