// Zubrik: the desktop's "bell" event sound, played on a thread of its own.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/EventSound.h"

#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

// A sound server in working order starts the bell within milliseconds, the
// first time included; one that is slower than this is taken for gone.
constexpr Clock::duration playTimeout = std::chrono::seconds(2);

struct ContextDeleter
{
    void operator()(ca_context *context) const { ca_context_destroy(context); }
};
using Context = std::unique_ptr<ca_context, ContextDeleter>;

// One context for the program's life: it keeps the connection to the sound
// server, so later beeps sound without delay.
Context makeContext()
{
    ca_context *raw = nullptr;
    if (ca_context_create(&raw) != CA_SUCCESS)
        return {};
    Context context(raw);
    ca_context_change_props(context.get(),
                            CA_PROP_APPLICATION_NAME, ZUBRIK_PRODUCT_NAME,
                            CA_PROP_APPLICATION_ID, ZUBRIK_APP_ID,
                            CA_PROP_APPLICATION_ICON_NAME, ZUBRIK_APP_ID,
                            nullptr);
    return context;
}

bool playBell(ca_context *context)
{
    return context
        && ca_context_play(context, 0,
                           CA_PROP_EVENT_ID, "bell",
                           CA_PROP_EVENT_DESCRIPTION, "Beep",
                           nullptr) == CA_SUCCESS;
}

} // namespace

struct EventSound::Shared
{
    std::mutex mutex;
    std::condition_variable wake;
    std::uint64_t requested = 0; // the number of the latest request
    std::uint64_t taken = 0;     // the latest request a play was started for
    std::uint64_t played = 0;    // the latest request a play succeeded for
    bool playing = false;
    Clock::time_point playStart;
    bool failed = false;
    bool stopping = false;
};

EventSound::EventSound()
    : m_shared(std::make_shared<Shared>())
    , m_worker(serve, m_shared)
{
}

EventSound::~EventSound()
{
    bool stuck = false;
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->stopping = true;
        stuck = m_shared->playing;
    }
    m_shared->wake.notify_one();
    if (stuck)
        m_worker.detach();
    else
        m_worker.join();
}

std::uint64_t EventSound::request()
{
    std::uint64_t number = 0;
    {
        const std::lock_guard lock(m_shared->mutex);
        if (m_shared->failed)
            return 0;
        number = ++m_shared->requested;
    }
    m_shared->wake.notify_one();
    return number;
}

EventSound::Outcome EventSound::outcome(std::uint64_t request)
{
    const std::lock_guard lock(m_shared->mutex);
    if (m_shared->played >= request)
        return Outcome::Played;
    if (m_shared->playing && Clock::now() - m_shared->playStart > playTimeout)
        m_shared->failed = true;
    return m_shared->failed ? Outcome::Failed : Outcome::Pending;
}

void EventSound::serve(std::shared_ptr<Shared> shared)
{
    const Context context = makeContext();
    std::unique_lock lock(shared->mutex);
    for (;;) {
        // A server that failed is never asked again.
        shared->wake.wait(lock, [&shared] {
            return shared->stopping || (!shared->failed && shared->requested > shared->taken);
        });
        if (shared->stopping)
            return;
        const std::uint64_t taking = shared->requested;
        shared->taken = taking;
        shared->playing = true;
        shared->playStart = Clock::now();
        lock.unlock();
        const bool played = playBell(context.get());
        lock.lock();
        shared->playing = false;
        if (played)
            shared->played = taking;
        else
            shared->failed = true;
    }
}
