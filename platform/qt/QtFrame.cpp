// Zubrik: a frame's peer: a captioned box drawn flat on the window, with other controls in it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtFrame.h"

#include "platform/Frame.h"
#include "platform/qt/FontSetup.h"
#include "platform/qt/QtMirror.h"

QtFrame::QtFrame(Frame &frame, QWidget *parent) : QGroupBox(parent), ControlPeer(frame), m_frame(frame)
{
    setObjectName(QtMirror::objectName(frame));
    setFont(FontSetup::qtFont(frame.font()));
    // A plain ruled box on the window's white, its caption breaking the top
    // rule, whatever the style would draw a group box as.
    setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: palette(base); color: palette(text); "
        "border: 1px solid palette(mid); margin-top: 6px; } "
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; "
        "background-color: palette(base); }"));
    update();
}

void QtFrame::update()
{
    const QString caption = QString::fromStdString(m_frame.caption());
    if (title() != caption)
        setTitle(caption);
    QtMirror::mirror(m_frame, *this);
}
