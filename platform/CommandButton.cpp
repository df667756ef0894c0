// Zubrik: a command button that the keyboard activates as players expect.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/CommandButton.h"

#include <QKeyEvent>

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
