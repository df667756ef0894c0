// Zubrik: the system's beep, behind a seam that tests can replace.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <functional>

class Beep
{
public:
    using Handler = std::function<void()>;

    // The toolkit's system beep. Returns at once, whatever the sound system does.
    static void ring();

    // Replace the toolkit's beep (tests); an empty handler restores it.
    static void setHandler(Handler handler);

private:
    static Handler &handler();
};
