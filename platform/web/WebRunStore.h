// Zubrik: the page keeps its tab's run in the tab's session storage, so that a reload plays on from it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <string>

class Form1;

// The storage is the tab's own: a new tab or a new visit starts afresh, a
// reload or a tab the browser discarded and brought back plays on. A
// storage that refuses (disabled, full, a private window) only loses the
// run: the game never hears of it.
class WebRunStore
{
public:
    explicit WebRunStore(Form1 &window) : m_window(window) {}

    // Before the run: the kept run into the freshly loaded main window, if
    // there is one and it is sound; anything else is dropped.
    void restore();
    // Whenever the program is about to wait: the run as it stands now, if it
    // changed; a run that is over or ending is no longer kept.
    void keep();
    // The run has ended: the next load starts afresh.
    void forget();

private:
    void write(const std::string &text);

    Form1 &m_window;
    // What the storage was last given ("" for nothing), so that an
    // unchanged run is not written again at every wait.
    std::string m_written;
    bool m_known = false;
};
