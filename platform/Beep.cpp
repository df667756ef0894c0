// Zubrik: the system's beep: the desktop's "bell" event sound, behind a seam that tests can replace.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Beep.h"

#include "platform/EventSound.h"

#include <QApplication>
#include <QTimer>
#include <chrono>

namespace {

// How often the event sound's outcome is looked at while it is pending: a
// failure is known within milliseconds, and its fallback should be as prompt.
constexpr std::chrono::milliseconds outcomePollInterval(10);

EventSound &eventSound()
{
    static EventSound sound;
    return sound;
}

} // namespace

Beep::Handler &Beep::handler()
{
    static Handler handler;
    return handler;
}

void Beep::ring()
{
    if (handler()) {
        handler()();
        return;
    }
    const std::uint64_t request = eventSound().request();
    if (request == 0)
        QApplication::beep();
    else
        ringInsteadIfFailed(request);
}

// The toolkit's beep has to ring on this thread, so the outcome is fetched
// here rather than reported by the event sound's worker.
void Beep::ringInsteadIfFailed(std::uint64_t request)
{
    QTimer::singleShot(outcomePollInterval, qApp, [request] {
        switch (eventSound().outcome(request)) {
        case EventSound::Outcome::Played:
            break;
        case EventSound::Outcome::Failed:
            QApplication::beep();
            break;
        case EventSound::Outcome::Pending:
            ringInsteadIfFailed(request);
            break;
        }
    });
}

void Beep::setHandler(Handler handler)
{
    Beep::handler() = std::move(handler);
}
