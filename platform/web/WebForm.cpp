// Zubrik: a form's peer: a window of the page, with an element for each control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebForm.h"

#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/web/WebControl.h"
#include "platform/web/WebEventLoop.h"
#include "platform/web/WebPage.h"
#include "platform/web/WebPictureBox.h"

WebForm::WebForm(WebEventLoop &loop, Form &form) : m_loop(loop), m_form(form)
{
    const int back = form.backColor() ? int(form.backColor()->pixel() & 0xffffffu) : -1;
    zubrik_form_create(&form, form.name().c_str(), form.border() == FormBorder::FixedSingle, back);
    // In the design's order, so that a frame's element stands before the
    // controls that lie in it.
    for (const auto &control : form.controls()) {
        if (auto *box = dynamic_cast<PictureBox *>(control.get()))
            m_peers.push_back(std::make_unique<WebPictureBox>(loop, *box));
        else
            m_peers.push_back(std::make_unique<WebControl>(loop, *control));
    }
    // Once every element stands: a label names the one it labels.
    for (const auto &control : form.controls())
        if (const auto *label = dynamic_cast<const Label *>(control.get()); label && label->buddyControl())
            zubrik_control_label_for(label, label->buddyControl());
    // Tab is the program's to move; the page puts the controls it stops at in
    // the same order, which is the order a screen reader reads them in.
    for (const Control *control : form.tabOrderControls())
        zubrik_form_tab_stop(&form, control);
    update();
}

WebForm::~WebForm()
{
    m_peers.clear();
    m_loop.forget(&m_form);
    zubrik_form_destroy(&m_form);
}

void WebForm::update()
{
    zubrik_form_update(&m_form, m_form.caption().c_str(), m_form.pixelWidth(), m_form.pixelHeight());
}

void WebForm::show(bool modal)
{
    zubrik_form_show(&m_form);
    if (modal)
        m_loop.run([this] { return !m_form.isLoaded(); });
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
