// Zubrik: the page's program: the toolkit, the game state and the main window.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Program.h"
#include "platform/web/WebToolkit.h"

int main()
{
    // They live as long as the page: main returns, the page's events go on.
    static WebToolkit toolkit;
    static GameState state;
    static Form1 mainWindow(state);
    // A run-time error in Load has stopped the game before it showed.
    if (!Program::endingWithError())
        mainWindow.show();
    return 0;
}
