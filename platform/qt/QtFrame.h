// Zubrik: a frame's peer: a captioned box drawn flat on the window, with other controls in it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <QGroupBox>

class Frame;

class QtFrame : public QGroupBox, public ControlPeer
{
    Q_OBJECT

public:
    QtFrame(Frame &frame, QWidget *parent);

    Frame &model() const { return m_frame; }

    // ControlPeer: read the model back. (Hides QWidget::update.)
    void update() override;

private:
    Frame &m_frame;
};
