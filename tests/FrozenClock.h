// Zubrik: stops the game's timer from ticking by itself, so that a test decides when time passes.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>

// Nested loops (the modal dialogs) would otherwise let the real timer fire
// whenever the wall clock says, and a seeded run would not replay. The game's
// timer is the program's only precise QTimer; its events are dropped here
// while the test fires the same handler itself.
class FrozenClock : public QObject
{
public:
    FrozenClock() { qApp->installEventFilter(this); }
    ~FrozenClock() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            if (auto *timer = qobject_cast<QTimer *>(watched); timer && timer->timerType() == Qt::PreciseTimer)
                return true;
        return false;
    }
};
