// Zubrik: a timer's peer: a precise Qt timer whose timeouts tick the model.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Timer.h"

#include <QObject>
#include <QTimer>

// A repeating timer keeps an exact average: Qt re-arms it from its own
// schedule, never from the handler's return.
class QtTimer : public QObject, public TimerPeer
{
    Q_OBJECT

public:
    explicit QtTimer(Timer &timer);

    void start(int intervalMilliseconds) override;
    void stop() override;
    int remainingTime() const override;

private:
    Timer &m_model;
    QTimer m_timer;
};
