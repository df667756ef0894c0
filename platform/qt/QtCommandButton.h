// Zubrik: a command button's peer: a push button whose clicks are the model's.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <QPushButton>

class CommandButton;

// The keys that click a button (Return, Space) are the form's: they never
// reach this widget (FormInput), so it clicks by the mouse alone.
class QtCommandButton : public QPushButton, public ControlPeer
{
    Q_OBJECT

public:
    QtCommandButton(CommandButton &button, QWidget *parent);

    CommandButton &model() const { return m_button; }

    // ControlPeer: read the model back. (Hides QWidget::update.)
    void update() override;
    void setFocus() override { QWidget::setFocus(Qt::OtherFocusReason); }
    bool hasFocus() const override { return QWidget::hasFocus(); }

private:
    CommandButton &m_button;
};
