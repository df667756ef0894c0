// Zubrik: a line control's peer: a rule one pixel thick along an axis.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtLine.h"

#include "platform/Line.h"
#include "platform/qt/QtMirror.h"

#include <QPainter>

QtLine::QtLine(Line &line, QWidget *parent) : QWidget(parent), ControlPeer(line), m_line(line)
{
    setObjectName(QtMirror::objectName(line));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    update();
}

void QtLine::update()
{
    // The widget is the rule itself (Line::pixelRect()), filled whole.
    QtMirror::mirror(m_line, *this);
    QWidget::update();
}

void QtLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}
