// Zubrik: the page's event loop: the events the page posts, run one at a time on the program's one stack.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebEventLoop.h"

#include "platform/web/WebPage.h"

#include <algorithm>
#include <utility>

void WebEventLoop::post(const void *target, Action action)
{
    m_posted.push_back({ target, std::move(action) });
}

void WebEventLoop::forget(const void *target)
{
    m_posted.erase(std::remove_if(m_posted.begin(), m_posted.end(),
                                  [target](const Posted &posted) { return posted.target == target; }),
                   m_posted.end());
}

void WebEventLoop::run(const std::function<bool()> &done)
{
    while (!m_quitting && !done()) {
        if (m_posted.empty()) {
            if (m_idle)
                m_idle();
            zubrik_wait();
            continue;
        }
        // Off the queue before it runs: its handler may run a loop of its own,
        // which takes the next events, or post and forget others.
        const Action action = std::move(m_posted.front().action);
        m_posted.pop_front();
        action();
    }
}
