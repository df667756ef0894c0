// Zubrik: a picture box's peer: shows the model's persistent image and reports the mouse to it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/PictureBox.h"

#include <QWidget>
#include <vector>

// The image is repainted pixel for pixel (whole-pixel blocks on dense
// screens, never smoothed). The choice the keyboard stands on is marked by a
// ring and the style's focus frame over the picture, never in the image, and
// is the current item for a screen reader. The mouse is reported in the
// widget's own pixels, the border included.
class QtPictureBox : public QWidget, public ControlPeer
{
    Q_OBJECT

public:
    QtPictureBox(PictureBox &box, QWidget *parent);

    PictureBox &model() const { return m_box; }

    // ControlPeer: read the model back and repaint once the handler returns.
    // (Hides QWidget::update, which is still what asks for the repaint.)
    void update() override;
    // Repaint now.
    void refresh() override { repaint(); }
    void setFocus() override { QWidget::setFocus(Qt::OtherFocusReason); }
    bool hasFocus() const override { return QWidget::hasFocus(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Screen readers hear the mark move from one choice to another.
    void announceMark(int previous, int index);

    PictureBox &m_box;
    int m_marked = -1;
    // The choices last seen: a new set clears the mark without a word.
    std::vector<PictureBox::Choice> m_choices;
};
