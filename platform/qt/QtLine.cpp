// Zubrik: a line control's peer: a rule one pixel thick along an axis.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtLine.h"

#include "platform/Line.h"
#include "platform/Twips.h"
#include "platform/qt/QtMirror.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

QtLine::QtLine(Line &line, QWidget *parent) : QWidget(parent), m_line(line)
{
    setObjectName(QtMirror::objectName(line));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    update();
    m_line.attach(this);
}

QtLine::~QtLine()
{
    m_line.attach(nullptr);
}

void QtLine::update()
{
    const int x1 = Twips::toPixels(m_line.x1()), y1 = Twips::toPixels(m_line.y1());
    const int x2 = Twips::toPixels(m_line.x2()), y2 = Twips::toPixels(m_line.y2());
    // The end point itself is left out, so a rule is as long as its span.
    const QRect placed(std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), 1),
                       std::max(std::abs(y2 - y1), 1));
    if (geometry() != placed)
        setGeometry(placed);
    QtMirror::mirrorState(m_line, *this);
    QWidget::update();
}

void QtLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}
