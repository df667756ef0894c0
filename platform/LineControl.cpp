// Zubrik: a line control: a rule between two points given in twips.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/LineControl.h"

#include "platform/Twips.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

LineControl::LineControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void LineControl::setX1(float twips)
{
    m_x1 = twips;
    place();
}

void LineControl::setY1(float twips)
{
    m_y1 = twips;
    place();
}

void LineControl::setX2(float twips)
{
    m_x2 = twips;
    place();
}

void LineControl::setY2(float twips)
{
    m_y2 = twips;
    place();
}

void LineControl::place()
{
    const int x1 = Twips::toPixels(m_x1), y1 = Twips::toPixels(m_y1);
    const int x2 = Twips::toPixels(m_x2), y2 = Twips::toPixels(m_y2);
    // The end point itself is left out, so a rule is as long as its span.
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), 1),
                std::max(std::abs(y2 - y1), 1));
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}
