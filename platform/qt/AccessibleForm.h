// Zubrik: how a screen reader sees a window of the game.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QAccessibleWidget>

// A window shown modally reads as a dialog, any other as a frame; both are
// named by their title. Only the widgets a player can see are listed: the
// picture stores kept hidden, and labels placed wholly outside the window
// (a name the strip does not offer yet), are left out.
class AccessibleForm : public QAccessibleWidget
{
public:
    explicit AccessibleForm(QWidget *form);

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QList<QWidget *> seenChildren() const;
};
