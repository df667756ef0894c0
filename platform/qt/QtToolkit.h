// Zubrik: the Qt toolkit: native windows and widgets for the game's forms, its boxes, its beep and its run.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Toolkit.h"

#include <optional>

class Control;
class Form;
class QWidget;

// Installs itself while it exists. It may be made before or after the
// application object: it makes widgets only when a form asks for its peer.
// Qt never ends the run by itself when the last window goes: quit() does.
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
    int exec() override;
    void quit(int exitCode) override;

    // The native widget that shows the control; nullptr if none does.
    static QWidget *widget(const Control &control);
    // The form's native window; nullptr if it has none.
    static QWidget *window(const Form &form);

private:
    // Asked for by quit() and not yet returned by exec().
    std::optional<int> m_exitCode;
    bool m_running = false;
};
