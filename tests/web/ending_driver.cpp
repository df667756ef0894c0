// Zubrik: the game's page as main() starts it, with the counter one short of the end; a test page only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Label.h"
#include "platform/Program.h"
#include "platform/web/WebToolkit.h"

int main()
{
    static WebToolkit toolkit;
    static GameState state;
    static Form1 mainWindow(state);
    mainWindow.Lbl_count.setCaption("999998");
    if (!Program::endingWithError())
        mainWindow.show();
    return 0;
}
