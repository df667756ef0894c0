// Zubrik: a command button's peer, which the keyboard activates as players expect.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtCommandButton.h"

#include "platform/CommandButton.h"
#include "platform/qt/FontSetup.h"
#include "platform/qt/QtMirror.h"

#include <QKeyEvent>

QtCommandButton::QtCommandButton(CommandButton &button, QWidget *parent)
    : QPushButton(parent), m_button(button)
{
    setAutoDefault(false);
    setObjectName(QtMirror::objectName(button));
    setFont(FontSetup::qtFont(button.font()));
    connect(this, &QPushButton::clicked, this, [this] { m_button.click(); });
    update();
    m_button.attach(this);
}

QtCommandButton::~QtCommandButton()
{
    m_button.attach(nullptr);
}

void QtCommandButton::update()
{
    const QString caption = QString::fromStdString(m_button.caption());
    if (text() != caption)
        setText(caption);
    // Tab reaches a button; a click does not take the focus from where it is.
    setFocusPolicy(m_button.tabStop() ? Qt::TabFocus : Qt::NoFocus);
    QtMirror::mirror(m_button, *this);
}

void QtCommandButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
