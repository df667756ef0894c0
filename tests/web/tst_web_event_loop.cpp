// Zubrik: the web toolkit's event loop (platform/web/WebEventLoop), with a page of the test's own.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebEventLoop.h"

#include <doctest/doctest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// What the page does while the loop sleeps: it posts what the test says.
// A sleep with nothing left to post would never end, so it fails the test.
std::vector<std::function<void()>> pageTurns;
int sleeps = 0;

} // namespace

extern "C" void zubrik_wait()
{
    ++sleeps;
    if (pageTurns.empty())
        throw std::logic_error("the loop slept with nothing to wake it");
    const std::function<void()> turn = pageTurns.front();
    pageTurns.erase(pageTurns.begin());
    turn();
}

namespace {

struct Page
{
    WebEventLoop loop;
    std::vector<std::string> ran;

    Page()
    {
        pageTurns.clear();
        sleeps = 0;
    }
    // An event for `target` that notes its name when it runs.
    void post(const std::string &name, const void *target = nullptr)
    {
        loop.post(target, [this, name] { ran.push_back(name); });
    }
};

} // namespace

TEST_CASE("events run in the order posted, once each; the loop sleeps only when none is queued")
{
    Page page;
    page.post("a");
    pageTurns.push_back([&] { page.post("b"); page.post("c"); });
    page.loop.run([&] { return page.ran.size() == 3; });
    CHECK(page.ran == std::vector<std::string> { "a", "b", "c" });
    CHECK(sleeps == 1);
}

TEST_CASE("done is asked before every event: a run whose end has come takes none")
{
    Page page;
    page.post("a");
    page.post("b");
    bool over = false;
    page.loop.post(nullptr, [&] { over = true; });
    page.post("after");
    page.loop.run([&] { return over; });
    CHECK(page.ran == std::vector<std::string> { "a", "b" });
    // The next run takes what was left.
    page.loop.run([&] { return page.ran.size() == 3; });
    CHECK(page.ran.back() == "after");
    CHECK(sleeps == 0);
}

TEST_CASE("a run inside an event takes the events after it; the outer run goes on once it returns")
{
    Page page;
    bool closed = false;
    page.loop.post(nullptr, [&] {
        page.ran.push_back("show");
        page.loop.run([&] { return closed; });
        page.ran.push_back("shown");
    });
    pageTurns.push_back([&] { page.post("tick"); });
    pageTurns.push_back([&] { page.loop.post(nullptr, [&] { closed = true; }); page.post("later"); });
    page.loop.run([&] { return page.ran.size() == 4; });
    CHECK(page.ran == std::vector<std::string> { "show", "tick", "shown", "later" });
}

TEST_CASE("quit makes every run return, the outer ones too, and nothing posted runs any more")
{
    Page page;
    page.loop.post(nullptr, [&] {
        page.loop.run([] { return false; });
        page.ran.push_back("modal over");
    });
    pageTurns.push_back([&] {
        page.loop.post(nullptr, [&] { page.loop.quit(); });
        page.post("queued behind the quit");
    });
    page.loop.run([] { return false; });
    CHECK(page.ran == std::vector<std::string> { "modal over" });
    CHECK(page.loop.quitting());
    page.post("posted after the end");
    page.loop.run([] { return false; });
    CHECK(page.ran.size() == 1);
    CHECK(sleeps == 1);
}

TEST_CASE("forget drops what is queued for a model that goes, and nothing else")
{
    Page page;
    int gone = 0, staying = 0;
    page.post("gone 1", &gone);
    page.post("staying", &staying);
    page.post("gone 2", &gone);
    page.loop.forget(&gone);
    page.loop.run([&] { return !page.ran.empty(); });
    CHECK(page.ran == std::vector<std::string> { "staying" });
}

TEST_CASE("an event that forgets the ones queued after it keeps them from running")
{
    // A click that closes a window: the moves queued behind it were for its controls.
    Page page;
    int control = 0;
    bool over = false;
    page.loop.post(nullptr, [&] { page.loop.forget(&control); });
    page.post("move", &control);
    page.loop.post(nullptr, [&] { over = true; });
    page.loop.run([&] { return over; });
    CHECK(page.ran.empty());
}

// The run is kept at each wait: once every queued event has run, before the
// page can reload, and not between events that were queued together.
TEST_CASE("the idle call comes before each sleep, after the queued events")
{
    Page page;
    std::vector<std::size_t> ranAtIdle;
    page.loop.onIdle([&] { ranAtIdle.push_back(page.ran.size()); });
    page.post("a");
    page.post("b");
    pageTurns.push_back([&] { page.post("c"); });
    pageTurns.push_back([&] { page.loop.quit(); });
    page.loop.run([] { return false; });
    CHECK(ranAtIdle == std::vector<std::size_t> { 2, 3 });
    CHECK(sleeps == 2);
}
