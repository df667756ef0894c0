// Zubrik: hands the keys and mouse presses of a form's window to the form, once each.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/FormInput.h"

#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/qt/QtKeys.h"
#include "platform/qt/QtToolkit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

FormInput::FormInput(QWidget *window, Form &form) : QObject(window), m_window(window), m_form(form)
{
    window->installEventFilter(this);
    for (const auto &control : form.controls())
        if (QWidget *widget = QtToolkit::widget(*control))
            widget->installEventFilter(this);
}

bool FormInput::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return keyEvent(watched, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        mousePress(watched, event);
        return false;
    default:
        return false;
    }
}

bool FormInput::keyEvent(QObject *watched, QEvent *event)
{
    // A key goes first to the window's focus widget, or to the window when
    // none of its widgets has the focus; a key that receiver ignores travels
    // on to its parents, which must not hear it again.
    QWidget *focus = m_window->focusWidget();
    if (watched != (focus ? focus : m_window))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const std::int16_t code = QtKeys::fromEvent(*key);
    const std::int16_t shift = QtKeys::shiftState(key->modifiers());
    // The form's answer may have ended the run or closed the window: nothing
    // of this object is touched after it.
    if (event->type() == QEvent::KeyPress)
        return m_form.pressKey(code, shift);
    // A held key's repeats come as a release and a press each: only the
    // press counts; the release that ends the hold is the real one.
    return !key->isAutoRepeat() && m_form.releaseKey(code, shift);
}

void FormInput::mousePress(QObject *watched, QEvent *event)
{
    auto *peer = dynamic_cast<ControlPeer *>(watched);
    if (!peer)
        return;
    // Pressed on a control lying in this one (a label in a frame), the
    // press reaches this widget only after that control had no use for it.
    const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
    if (dynamic_cast<ControlPeer *>(static_cast<QWidget *>(watched)->childAt(at)))
        return;
    peer->model().pointerPressed();
}
