// Zubrik: an image control's peer: its picture as it is, or stretched to the widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtImageBox.h"

#include "platform/Image.h"
#include "platform/ImageBox.h"
#include "platform/qt/QtMirror.h"

#include <QPainter>

QtImageBox::QtImageBox(ImageBox &box, QWidget *parent) : QWidget(parent), ControlPeer(box), m_box(box)
{
    setObjectName(QtMirror::objectName(box));
    // The pictures live as long as the program: shown in place, not copied.
    const Image &picture = box.picture();
    m_image = QImage(reinterpret_cast<const uchar *>(picture.data()), picture.width(),
                     picture.height(), qsizetype(picture.width()) * 4, QImage::Format_RGB32);
    update();
}

void QtImageBox::update()
{
    QtMirror::mirror(m_box, *this);
    QWidget::update();
}

void QtImageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Stretched in the widget's own pixels first, as a 96-dpi screen shows it,
    // so that a dense screen shows that picture in whole-pixel blocks: 48
    // pixels drawn straight into 32 at a ratio of 2 would give 64 columns of
    // uneven width.
    if (m_box.stretch())
        painter.drawImage(0, 0, m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    else
        painter.drawImage(0, 0, m_image);
}
