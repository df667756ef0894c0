// Zubrik: a frame: a captioned box that other controls lie in.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

class Frame : public Control
{
public:
    Frame(Form &form, const ControlDesign &design) : Control(form, design), m_caption(design.caption) {}

    const std::string &caption() const { return m_caption; }
    void setCaption(const std::string &caption)
    {
        m_caption = caption;
        changed();
    }

private:
    std::string m_caption;
};
