// Zubrik: a command button's peer, which the keyboard activates as players expect.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <QPushButton>

class CommandButton;

// Space clicks on release (the toolkit's own behaviour); Return and Enter click
// on every press, so holding the key repeats the click.
class QtCommandButton : public QPushButton, public ControlPeer
{
    Q_OBJECT

public:
    QtCommandButton(CommandButton &button, QWidget *parent);
    ~QtCommandButton() override;

    CommandButton &model() const { return m_button; }

    // ControlPeer: read the model back. (Hides QWidget::update.)
    void update() override;
    void setFocus() override { QWidget::setFocus(Qt::OtherFocusReason); }
    bool hasFocus() const override { return QWidget::hasFocus(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    CommandButton &m_button;
};
