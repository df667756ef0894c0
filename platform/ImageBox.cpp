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
    // Stretched in the widget's own pixels first, as a 96-dpi screen shows it,
    // so that a dense screen shows that picture in whole-pixel blocks: 48
    // pixels drawn straight into 32 at a ratio of 2 would give 64 columns of
    // uneven width.
    if (m_stretch)
        painter.drawImage(0, 0, m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    else
        painter.drawImage(0, 0, m_image);
}
