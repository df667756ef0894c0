// Zubrik: a timer's peer: the steady clock, and a precise one-shot Qt timer that wakes the model.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Timer.h"

#include <QObject>
#include <QTimer>

class QtTimer : public QObject, public TimerPeer
{
    Q_OBJECT

public:
    explicit QtTimer(Timer &timer);

    std::int64_t now() const override;
    void wakeAt(std::int64_t at) override;
    void cancel() override;

private:
    Timer &m_model;
    QTimer m_wake;
};
