// Zubrik: a form's peer: a window of the page, with an element for each control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"
#include "platform/Form.h"

#include <memory>
#include <vector>

class WebToolkit;

// The start-up form is a window placed in the page; the others open over it
// as modal dialogs. A modal show blocks its caller until the form unloads.
class WebForm : public FormPeer
{
public:
    WebForm(WebToolkit &toolkit, Form &form);
    ~WebForm() override;
    WebForm(const WebForm &) = delete;
    WebForm &operator=(const WebForm &) = delete;

    void update() override;
    void show(bool modal) override;
    void unload() override;
    Control *focusedControl() const override;

private:
    void makePeers();
    void setTabOrder();

    WebToolkit &m_toolkit;
    Form &m_form;
    std::vector<std::unique_ptr<ControlPeer>> m_peers;
};
