// Zubrik: the program's entry on Windows: the toolkit, the game state and the main window.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Program.h"
#include "platform/win32/Win32Toolkit.h"

#include "platform/win32/Win32Api.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    Win32Toolkit toolkit(instance);
    GameState state;
    // Owned here: a handler of this window may still be on the stack inside a
    // nested loop when the window closes.
    Form1 mainWindow(state);
    return Program::run(mainWindow);
}
