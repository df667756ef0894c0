// Zubrik: the page's program: the toolkit, the game state and the main window, run; the tab keeps the run.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Program.h"
#include "platform/web/WebRunStore.h"
#include "platform/web/WebToolkit.h"

int main()
{
    // Kept once the run is over: its windows stay on the page, stopped.
    static WebToolkit toolkit;
    static GameState state;
    static Form1 mainWindow(state);
    static WebRunStore kept(mainWindow);
    kept.restore();
    // Every change of the run is made by an event, and the program waits
    // after each: the run is written there, before the page can reload.
    toolkit.loop().onIdle([] { kept.keep(); });
    const int status = Program::run(mainWindow);
    kept.forget();
    toolkit.runEnded(status);
    return status;
}
