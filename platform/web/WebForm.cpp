// Zubrik: a form's peer: a window of the page, with an element for each control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebForm.h"

#include "platform/Control.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "platform/web/WebControl.h"
#include "platform/web/WebPage.h"
#include "platform/web/WebPictureBox.h"
#include "platform/web/WebToolkit.h"

WebForm::WebForm(WebToolkit &toolkit, Form &form) : m_toolkit(toolkit), m_form(form)
{
    const int back = form.backColor() ? int(form.backColor()->pixel() & 0xffffffu) : -1;
    zubrik_form_create(&form, form.name().c_str(), form.border() == FormBorder::FixedSingle, back);
    makePeers();
    setTabOrder();
    update();
}

WebForm::~WebForm()
{
    for (const auto &control : m_form.controls())
        control->attach(nullptr);
    m_peers.clear();
    zubrik_form_destroy(&m_form);
}

void WebForm::makePeers()
{
    for (const auto &control : m_form.controls()) {
        const Control *container = control->containerName().empty()
            ? nullptr : m_form.findControl(control->containerName());
        std::unique_ptr<ControlPeer> peer;
        if (auto *box = dynamic_cast<PictureBox *>(control.get()))
            peer = std::make_unique<WebPictureBox>(*box, container);
        else
            peer = std::make_unique<WebControl>(*control, container);
        control->attach(peer.get());
        m_peers.push_back(std::move(peer));
    }
    // Once every element stands: a label names the one it labels.
    for (const auto &control : m_form.controls()) {
        const auto *label = dynamic_cast<const Label *>(control.get());
        if (!label || label->buddy().empty())
            continue;
        if (const Control *buddy = m_form.findControl(label->buddy()))
            zubrik_control_label_for(label, buddy);
    }
}

void WebForm::setTabOrder()
{
    int position = 1;
    for (const std::string &name : m_form.tabOrder())
        if (Control *control = m_form.findControl(name))
            static_cast<WebControl *>(control->peer())->setTabPosition(position++);
}

void WebForm::update()
{
    zubrik_form_update(&m_form, m_form.caption().c_str(), Twips::toPixels(m_form.width()),
                       Twips::toPixels(m_form.height()));
}

void WebForm::show(bool modal)
{
    zubrik_form_show(&m_form, modal);
    if (!modal || !m_form.isLoaded())
        return; // not modal, or unloaded already while being shown
    // A modal show asked for while another handler sleeps cannot block: the
    // form goes at once, as if closed before the player saw it.
    if (!m_toolkit.wait([this] { return !m_form.isLoaded(); }))
        m_form.unload();
}

void WebForm::unload()
{
    zubrik_form_hide(&m_form);
}

Control *WebForm::focusedControl() const
{
    const void *focused = zubrik_form_focused(&m_form);
    for (const auto &control : m_form.controls())
        if (control.get() == focused)
            return control.get();
    return nullptr;
}
