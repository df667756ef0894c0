// Zubrik: lets a form see every key press and release before its focused widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/KeyPreview.h"

#include "platform/Form.h"
#include "platform/qt/QtKeys.h"

#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, Form &form) : QObject(window), m_window(window), m_form(form)
{
    watch(window);
}

void KeyPreview::watch(QObject *object)
{
    object->installEventFilter(this);
    for (QObject *child : object->children())
        if (child->isWidgetType())
            watch(child);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watch(child);
        break;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // The first receiver is the focus widget, or the window when no widget
        // of it has the focus; every other delivery is the same key travelling up.
        QWidget *focus = QApplication::focusWidget();
        const bool focusInWindow = focus && (focus == m_window || m_window->isAncestorOf(focus));
        QWidget *firstReceiver = focusInWindow ? focus : m_window;
        if (watched != firstReceiver)
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        const std::int16_t code = QtKeys::fromEvent(*key);
        const std::int16_t shift = QtKeys::shiftState(key->modifiers());
        if (event->type() == QEvent::KeyPress)
            m_form.keyDown(code, shift);
        else if (!key->isAutoRepeat())
            m_form.keyUp(code, shift);
        break;
    }
    default:
        break;
    }
    return false;
}
