// Zubrik: hands the keys and mouse presses of a form's window to the form, once each.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QObject>

class Form;
class QWidget;

// Watches the form's window and its controls' widgets. Each key event is
// reported once, where Qt delivers it first (the window's focus widget, or
// the window itself), to Form::pressKey (auto-repeats too) or releaseKey (real
// releases only); a key the form spends goes no further, so no native widget
// acts on it as well. Each mouse press on a control's widget is reported, to
// Control::pointerPressed, before the widget handles it.
class FormInput : public QObject
{
    Q_OBJECT

public:
    FormInput(QWidget *window, Form &form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyEvent(QObject *watched, QEvent *event);
    void mousePress(QObject *watched, QEvent *event);

    QWidget *m_window;
    Form &m_form;
};
