// Zubrik: a form's peer: its window, fixed size and centred, with a widget for each control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Form.h"

#include <QWidget>

class QEventLoop;

class QtForm : public QWidget, public FormPeer
{
    Q_OBJECT

public:
    // Makes the window and a widget for each control, each attached to its control.
    explicit QtForm(Form &form);
    ~QtForm() override;

    Form &model() const { return m_form; }

    // FormPeer. (update() hides QWidget::update.)
    void update() override;
    void show(bool modal) override;
    void unload() override;
    Control *focusedControl() const override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void makeWidgets();
    void setTabOrder();
    void centreOnScreen();

    Form &m_form;
    bool m_centred = false;
    QEventLoop *m_modalLoop = nullptr;
};
