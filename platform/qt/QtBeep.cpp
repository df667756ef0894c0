// Zubrik: the system's beep under Qt: the desktop's "bell" event sound, the X bell if it fails.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtBeep.h"

#include "platform/qt/EventSound.h"

#include <QApplication>
#include <QTimer>
#include <chrono>

namespace QtBeep {
namespace {

// How often the event sound's outcome is looked at while it is pending: a
// failure is known within milliseconds, and its fallback should be as prompt.
constexpr std::chrono::milliseconds outcomePollInterval(10);

EventSound &eventSound()
{
    static EventSound sound;
    return sound;
}

// The toolkit's beep has to ring on this thread, so the outcome is fetched
// here rather than reported by the event sound's worker.
void ringInsteadIfFailed(std::uint64_t request)
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

} // namespace

void ring()
{
    const std::uint64_t request = eventSound().request();
    if (request == 0)
        QApplication::beep();
    else
        ringInsteadIfFailed(request);
}

} // namespace QtBeep
