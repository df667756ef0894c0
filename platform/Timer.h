// Zubrik: the periodic timer of a form.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QObject>
#include <QTimer>

// Enabling a running timer leaves its countdown alone, so a press during a
// flight does not delay the next tick; writing the interval restarts it. The
// ticks keep an exact average (no re-arming from the handler).
class Timer : public QObject
{
    Q_OBJECT

public:
    explicit Timer(QObject *parent = nullptr);

    int interval() const { return m_timer.interval(); }
    void setInterval(int milliseconds);

    bool enabled() const { return m_timer.isActive(); }

    // Milliseconds to the next tick; -1 while disabled.
    int remainingTime() const { return m_timer.remainingTime(); }
    void setEnabled(bool on);

Q_SIGNALS:
    void timer();

private:
    QTimer m_timer;
};
