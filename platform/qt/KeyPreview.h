// Zubrik: lets a form see every key press and release before its focused widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QObject>

class Form;
class QWidget;

// Watches the form's window and all its widgets, and reports each key event
// once, at the widget that receives it first (the focused one, or the window
// itself), to the form's KeyDown and KeyUp as virtual-key codes. A key the
// focused widget ignores travels on to its parents; those later deliveries
// are not reported again. Nothing is ever swallowed: a handler may change the
// key code it is given, and the key still goes on as it was.
class KeyPreview : public QObject
{
    Q_OBJECT

public:
    KeyPreview(QWidget *window, Form &form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *object);

    QWidget *m_window;
    Form &m_form;
};
