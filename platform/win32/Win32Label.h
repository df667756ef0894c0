// Zubrik: a label's peer: a system static text in the designed colours, border and alignment.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/win32/Win32Control.h"

#include <string>

class Label;

class Win32Label : public Win32Control
{
public:
    Win32Label(Win32Form &form, Label &label, int id);
    ~Win32Label() override;

    void update() override;
    PixelSize fittedSize() const override;
    HBRUSH colours(HDC dc) override;

private:
    Label &m_label;
    std::string m_caption;
    HBRUSH m_backBrush = nullptr;
};
