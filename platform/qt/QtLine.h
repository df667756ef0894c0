// Zubrik: a line control's peer: a rule one pixel thick along an axis.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <QWidget>

class Line;

// Drawn in the window-text colour.
class QtLine : public QWidget, public ControlPeer
{
    Q_OBJECT

public:
    QtLine(Line &line, QWidget *parent);

    Line &model() const { return m_line; }

    // ControlPeer: read the model back. (Hides QWidget::update.)
    void update() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Line &m_line;
};
