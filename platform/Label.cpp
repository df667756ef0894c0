// Zubrik: a label: a caption that may hold CR LF line breaks, and that can size itself to it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Label.h"

#include "platform/Twips.h"

Label::Label(Form &form, const ControlDesign &design)
    : Control(form, design), m_caption(design.caption), m_autoSize(design.autoSize),
      m_backColor(design.backColor), m_foreColor(design.foreColor),
      m_borderStyle(design.borderStyle), m_alignment(design.alignment), m_buddy(design.buddy)
{
}

void Label::setCaption(const std::string &caption)
{
    m_caption = caption;
    changed();
    if (m_autoSize)
        fitToCaption();
}

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        fitToCaption();
}

void Label::fitToCaption()
{
    if (!peer())
        return;
    const ControlPeer::PixelSize size = peer()->fittedSize();
    setWidth(float(size.width * Twips::perPixel));
    setHeight(float(size.height * Twips::perPixel));
}
