// Zubrik: an image control's peer: its picture as it is, or stretched to the widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <QImage>
#include <QWidget>

class ImageBox;

// Stretching samples whole pixels (nearest neighbour), never smoothed, so pixel
// art keeps its hard edges at any size and on any screen density.
class QtImageBox : public QWidget, public ControlPeer
{
    Q_OBJECT

public:
    QtImageBox(ImageBox &box, QWidget *parent);

    ImageBox &model() const { return m_box; }
    // The picture as Qt draws it.
    const QImage &image() const { return m_image; }

    // ControlPeer: read the model back. (Hides QWidget::update.)
    void update() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ImageBox &m_box;
    QImage m_image;
};
