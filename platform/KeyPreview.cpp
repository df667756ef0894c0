// Zubrik: lets a form see every key press and release before its focused widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/KeyPreview.h"

#include "platform/VirtualKey.h"

#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *form) : QObject(form), m_form(form)
{
    watch(form);
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
        // The first receiver is the focus widget, or the form when no widget of
        // it has the focus; every other delivery is the same key travelling up.
        QWidget *focus = QApplication::focusWidget();
        const bool focusInForm = focus && (focus == m_form || m_form->isAncestorOf(focus));
        QWidget *firstReceiver = focusInForm ? focus : m_form;
        if (watched != firstReceiver)
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        std::int16_t code = VirtualKey::fromEvent(*key);
        if (event->type() == QEvent::KeyPress)
            Q_EMIT keyDown(code, key->modifiers());
        else if (!key->isAutoRepeat())
            Q_EMIT keyUp(code, key->modifiers());
        break;
    }
    default:
        break;
    }
    return false;
}
