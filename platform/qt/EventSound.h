// Zubrik: the desktop's "bell" event sound, played on a thread of its own.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>
#include <memory>
#include <thread>

// The event-sound library can wait half a minute on a sound server that
// takes the connection and never answers. Its calls are all made here, on a
// thread that owns the library's context for the program's life, so that the
// thread that asks for the sound never waits.
class EventSound
{
public:
    enum class Outcome { Pending, Played, Failed };

    EventSound();
    // A worker stuck in the library is left to the end of the process.
    ~EventSound();
    EventSound(const EventSound &) = delete;
    EventSound &operator=(const EventSound &) = delete;

    // Asks for the bell and returns at once: the request's number, or 0 once
    // the sound has failed in this run. Requests made while one is playing
    // are played together once it is done.
    std::uint64_t request();

    // A play that failed, or that has taken longer than any sound server in
    // working order would, fails its requests and every later one.
    Outcome outcome(std::uint64_t request);

private:
    struct Shared;
    static void serve(std::shared_ptr<Shared> shared);

    // Shared with the worker, which may outlive this object.
    std::shared_ptr<Shared> m_shared;
    std::thread m_worker;
};
