// Zubrik: the program's entry: the application, the game state and the main window.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Program.h"
#include "platform/qt/Application.h"
#include "platform/qt/CommandLine.h"

int main(int argc, char *argv[])
{
    CommandLine::answer(argc, argv);
    Application::setUpScreenScaling();
    Application application(argc, argv);
    GameState state;
    // Owned here, not deleted on close: a handler of this window may still be
    // on the stack inside a nested loop when the window closes.
    Form1 mainWindow(state);
    const int status = Program::run(mainWindow);
    Application::endBeforeTeardown(status);
    return status;
}
