// Zubrik: the system's beep, behind a seam that tests can replace.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Beep.h"

#include "platform/Toolkit.h"

Beep::Handler &Beep::handler()
{
    static Handler handler;
    return handler;
}

void Beep::ring()
{
    if (handler())
        handler()();
    else
        Toolkit::current().beep();
}

void Beep::setHandler(Handler handler)
{
    Beep::handler() = std::move(handler);
}
