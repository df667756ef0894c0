// Zubrik: the page's event loop: the events the page posts, run one at a time on the program's one stack.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <deque>
#include <functional>
#include <utility>

// As on a desktop, every wait of the program is this loop: the run itself
// (Toolkit::exec), a modal show and a message box, nested in the handler that
// asked for them. Between events it sleeps (Asyncify): the page runs, posts
// what the player did and wakes it, and the loop runs the events to their end
// or to the next sleep before the page goes on. So only one stack ever sleeps,
// which is all Asyncify allows, and a box can open inside a modal show.
class WebEventLoop
{
public:
    using Action = std::function<void()>;

    // Queued, to run once the loop gets to it.
    void post(const void *target, Action action);
    // Drops what is still queued for a model that goes.
    void forget(const void *target);
    // Runs the posted events in order, sleeping while none is queued, until
    // done() holds or quit() was called.
    void run(const std::function<bool()> &done);
    // Called whenever the loop is about to sleep, the events run.
    void onIdle(Action idle) { m_idle = std::move(idle); }
    // Every run() returns, the outer ones as well, and none runs again.
    void quit() { m_quitting = true; }
    bool quitting() const { return m_quitting; }

private:
    struct Posted
    {
        const void *target;
        Action action;
    };

    std::deque<Posted> m_posted;
    Action m_idle;
    bool m_quitting = false;
};
