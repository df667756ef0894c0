// Zubrik: the system's beep: the desktop's "bell" event sound, behind a seam that tests can replace.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>
#include <functional>

class Beep
{
public:
    using Handler = std::function<void()>;

    // The desktop's own "bell" event sound (its sound theme, through the
    // event-sound library, under the player's sound settings), on X11 and on
    // Wayland alike. Where no event sound can be played, the toolkit's beep:
    // the X bell on X11, nothing on Wayland; where the sound server fails or
    // keeps the sound waiting, the toolkit's beep a little later, and at once
    // from then on. Returns at once, whatever the sound server does.
    static void ring();

    // Replace the real beep (tests); an empty handler restores it.
    static void setHandler(Handler handler);

private:
    static Handler &handler();
    static void ringInsteadIfFailed(std::uint64_t request);
};
