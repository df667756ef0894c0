// Zubrik: how a screen reader sees a picture box: a named image, or a list of the choices in it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QAccessibleWidget>
#include <vector>

class QtPictureBox;

// A picture box with choices is a list whose items are the choices, the one
// the keyboard stands on selected and focused; any other is an image with
// the name and description the game gives it.
class AccessiblePicture : public QAccessibleWidget
{
public:
    explicit AccessiblePicture(QtPictureBox *box);
    ~AccessiblePicture() override;

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    QtPictureBox *box() const;

    // Items are made on first request and kept, so that each keeps its id.
    mutable std::vector<QAccessible::Id> m_items;
};
