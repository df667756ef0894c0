// Zubrik: a control of a form: its designed properties, and the toolkit's peer that shows it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Control.h"

#include "platform/Form.h"
#include "platform/Twips.h"

ControlPeer::ControlPeer(Control &control) : m_model(control)
{
    control.m_peer = this;
}

ControlPeer::~ControlPeer()
{
    if (m_model.m_peer == this)
        m_model.m_peer = nullptr;
}

Control::Control(Form &form, const ControlDesign &design)
    : m_form(form), m_kind(design.kind), m_name(design.name), m_index(design.index),
      m_containerName(design.container), m_left(design.left), m_top(design.top),
      m_width(design.width), m_height(design.height), m_visible(design.visible),
      m_font(design.font.value_or(form.font())), m_tabStop(design.tabStop),
      m_accessibleName(design.accessibleName)
{
}

Control::~Control() = default;

std::string Control::fullName() const
{
    return m_index < 0 ? m_name : m_name + "(" + std::to_string(m_index) + ")";
}

void Control::setLeft(float twips)
{
    m_left = twips;
    changed();
}

void Control::setTop(float twips)
{
    m_top = twips;
    changed();
}

void Control::setWidth(float twips)
{
    m_width = twips;
    changed();
}

void Control::setHeight(float twips)
{
    m_height = twips;
    changed();
}

int Control::pixelLeft() const { return Twips::toPixels(m_left); }
int Control::pixelTop() const { return Twips::toPixels(m_top); }
int Control::pixelWidth() const { return Twips::toPixels(m_width); }
int Control::pixelHeight() const { return Twips::toPixels(m_height); }

PixelRect Control::pixelRect() const
{
    return { pixelLeft(), pixelTop(), pixelWidth(), pixelHeight() };
}

PixelRect Control::pixelRectInForm() const
{
    PixelRect rect = pixelRect();
    for (const Control *frame = m_container; frame; frame = frame->m_container) {
        const PixelRect corner = frame->pixelRect();
        rect.x += corner.x;
        rect.y += corner.y;
    }
    return rect;
}

void Control::setVisible(bool on)
{
    m_visible = on;
    changed();
}

void Control::setEnabled(bool on)
{
    m_enabled = on;
    changed();
}

void Control::setTabStop(bool on)
{
    m_tabStop = on;
    changed();
}

void Control::setAccessibleName(const std::string &name)
{
    m_accessibleName = name;
    changed();
}

void Control::setAccessibleDescription(const std::string &description)
{
    m_accessibleDescription = description;
    changed();
}

void Control::setFocus()
{
    if (m_peer)
        m_peer->setFocus();
}

bool Control::hasFocus() const
{
    return m_peer && m_peer->hasFocus();
}

bool Control::shownEnabled() const
{
    for (const Control *control = this; control; control = control->m_container)
        if (!control->m_visible || !control->m_enabled)
            return false;
    return true;
}

void Control::pointerPressed()
{
    if (takesFocus() && !hasFocus())
        setFocus();
}

void Control::changed()
{
    if (m_peer)
        m_peer->update();
}
