// Zubrik: how a screen reader sees a window of the game.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/AccessibleForm.h"

#include <QWidget>

AccessibleForm::AccessibleForm(QWidget *form) : QAccessibleWidget(form, QAccessible::Window)
{
}

QAccessible::Role AccessibleForm::role() const
{
    return widget()->windowModality() == Qt::NonModal ? QAccessible::Window : QAccessible::Dialog;
}

QList<QWidget *> AccessibleForm::seenChildren() const
{
    QList<QWidget *> seen;
    const QRect client = widget()->rect();
    for (QObject *object : widget()->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && !child->isHidden() && child->geometry().intersects(client))
            seen.append(child);
    }
    return seen;
}

int AccessibleForm::childCount() const
{
    return int(seenChildren().size());
}

QAccessibleInterface *AccessibleForm::child(int index) const
{
    const QList<QWidget *> seen = seenChildren();
    if (index < 0 || index >= seen.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(seen.at(index));
}

int AccessibleForm::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    return int(seenChildren().indexOf(qobject_cast<QWidget *>(child->object())));
}
