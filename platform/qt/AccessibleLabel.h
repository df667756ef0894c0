// Zubrik: how a screen reader sees a label of the game: static text it can read line by line.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QAccessibleWidget>

class QLabel;

// Named by its caption, with the caption as readable text, so that a change
// of it (the jump counter, a description) is heard as a text change. A label
// with a buddy is the label for that widget, which is labelled by it.
class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleLabel(QLabel *label);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

    // Read only: no cursor, no selection, no scrolling.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QLabel *label() const;
};
