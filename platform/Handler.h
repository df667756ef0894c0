// Zubrik: the one place where a toolkit calls the game's handlers, and where a run-time error stops.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Program.h"
#include "platform/RuntimeError.h"

#include <utility>

// A toolkit's frames are not built to be unwound by an exception: objects
// they hold on the way would be stranded. So every handler of the game is
// called through here (the controls' entry points do it), and a run-time
// error that the handler does not trap stops here; Program::endWithError
// shows the box and ends the program. Once the program is ending, no handler
// of the game runs any more.
namespace Handler {

template<typename Call>
void run(Call &&call)
{
    if (Program::endingWithError())
        return;
    try {
        std::forward<Call>(call)();
    } catch (const RuntimeError &error) {
        Program::endWithError(error);
    }
}

} // namespace Handler
