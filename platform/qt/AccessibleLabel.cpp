// Zubrik: how a screen reader sees a label of the game: static text it can read line by line.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/AccessibleLabel.h"

#include <QLabel>

AccessibleLabel::AccessibleLabel(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText)
{
}

QLabel *AccessibleLabel::label() const
{
    return static_cast<QLabel *>(widget());
}

void *AccessibleLabel::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLabel::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
        return label()->text();
    return QAccessibleWidget::text(kind);
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
AccessibleLabel::relations(QAccessible::Relation match) const
{
    auto found = QAccessibleWidget::relations(match);
    if (match & QAccessible::Labelled) {
        if (QAccessibleInterface *buddy = QAccessible::queryAccessibleInterface(label()->buddy()))
            found.append({ buddy, QAccessible::Labelled });
    }
    return found;
}

void AccessibleLabel::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleLabel::text(int startOffset, int endOffset) const
{
    return label()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleLabel::characterCount() const
{
    return int(label()->text().size());
}

QString AccessibleLabel::attributes(int, int *startOffset, int *endOffset) const
{
    // One run of the same font and colour.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
