// Zubrik: the page's program: the toolkit, the game state and the main window, run.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Program.h"
#include "platform/web/WebToolkit.h"

int main()
{
    // Kept once the run is over: its windows stay on the page, stopped.
    static WebToolkit toolkit;
    static GameState state;
    static Form1 mainWindow(state);
    const int status = Program::run(mainWindow);
    toolkit.runEnded(status);
    return status;
}
