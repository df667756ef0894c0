// Zubrik: time from the top of main to the first frame on screen, and peak memory.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/PictureBox.h"
#include "platform/qt/Application.h"
#include "platform/qt/QtToolkit.h"

#include <QElapsedTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Quits once Pic has been painted for the first time.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QElapsedTimer &clock) : m_clock(clock) {}
    qint64 elapsedNs = -1;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && elapsedNs < 0) {
            elapsedNs = m_clock.nsecsElapsed();
            QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QElapsedTimer &m_clock;
};

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    // The same steps as the game's own main.
    Application application(argc, argv);
    GameState state;
    Form1 form(state);
    FirstPaint firstPaint(clock);
    QtToolkit::widget(form.Pic)->installEventFilter(&firstPaint);
    form.show();
    QApplication::exec();

    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("start-up to first frame painted: %.1f ms\n", double(firstPaint.elapsedNs) / 1e6);
    std::printf("peak resident memory: %.1f MiB\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
