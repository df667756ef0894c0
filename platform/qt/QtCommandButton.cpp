// Zubrik: a command button's peer: a push button whose clicks are the model's.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtCommandButton.h"

#include "platform/CommandButton.h"
#include "platform/qt/FontSetup.h"
#include "platform/qt/QtMirror.h"

QtCommandButton::QtCommandButton(CommandButton &button, QWidget *parent)
    : QPushButton(parent), ControlPeer(button), m_button(button)
{
    setAutoDefault(false);
    setObjectName(QtMirror::objectName(button));
    setFont(FontSetup::qtFont(button.font()));
    connect(this, &QPushButton::clicked, this, [this] { m_button.click(); });
    update();
}

void QtCommandButton::update()
{
    const QString caption = QString::fromStdString(m_button.caption());
    if (text() != caption)
        setText(caption);
    QtMirror::mirror(m_button, *this);
}
