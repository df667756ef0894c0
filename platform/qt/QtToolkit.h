// Zubrik: the Qt toolkit: native windows and widgets for the game's forms, its boxes and its beep.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Toolkit.h"

class Control;
class Form;
class QWidget;

// Installs itself while it exists. It may be made before or after the
// application object: it makes widgets only when a form asks for its peer.
class QtToolkit : public Toolkit
{
public:
    QtToolkit();
    ~QtToolkit() override;
    QtToolkit(const QtToolkit &) = delete;
    QtToolkit &operator=(const QtToolkit &) = delete;

    std::unique_ptr<FormPeer> createPeer(Form &form) override;
    std::unique_ptr<TimerPeer> createPeer(Timer &timer) override;
    void showMessage(const std::string &prompt, const std::string &title) override;
    void beep() override;
    void quit(int exitCode) override;

    // The native widget that shows the control; nullptr if none does.
    static QWidget *widget(const Control &control);
    // The form's native window; nullptr if it has none.
    static QWidget *window(const Form &form);
};
