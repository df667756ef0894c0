// Zubrik: an image control: a design-time picture shown as is or stretched to the widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/ImageBox.h"

#include <QPainter>

ImageBox::ImageBox(QWidget *parent) : QWidget(parent) {}

void ImageBox::setPicture(const QString &resourcePath)
{
    m_picture = resourcePath;
    m_image = QImage(resourcePath);
    update();
}

void ImageBox::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void ImageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (m_stretch)
        painter.drawImage(rect(), m_image);
    else
        painter.drawImage(0, 0, m_image);
}
