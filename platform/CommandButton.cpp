// Zubrik: a command button: a caption, and a Click handler.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/CommandButton.h"

#include "platform/Handler.h"

CommandButton::CommandButton(Form &form, const ControlDesign &design)
    : Control(form, design), m_caption(design.caption)
{
}

void CommandButton::setCaption(const std::string &caption)
{
    m_caption = caption;
    changed();
}

void CommandButton::click()
{
    if (enabled() && visible() && m_click)
        Handler::run(m_click);
}
