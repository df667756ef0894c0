// Zubrik: a form's peer: a window of the page, with an element for each control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"
#include "platform/Form.h"

#include <memory>
#include <vector>

class WebEventLoop;

// The start-up form is a window placed in the page; the others open over it
// as modal dialogs. A modal show runs the event loop until the form unloads.
class WebForm : public FormPeer
{
public:
    WebForm(WebEventLoop &loop, Form &form);
    ~WebForm() override;
    WebForm(const WebForm &) = delete;
    WebForm &operator=(const WebForm &) = delete;

    void update() override;
    void show(bool modal) override;
    void unload() override;
    Control *focusedControl() const override;

private:
    WebEventLoop &m_loop;
    Form &m_form;
    std::vector<std::unique_ptr<ControlPeer>> m_peers;
};
