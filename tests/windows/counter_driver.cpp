// Zubrik: the Windows game as wWinMain starts it, with a counter caption given by a test; a test program only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: zubrik_counter_driver.exe CAPTION. Writes CAPTION into the counter
// before the window shows (999998: one press from the end; 12a: as only a
// fault could, a press then meets a caption that is no number) and waits for
// a player. The exit status is the game's own.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Label.h"
#include "platform/Program.h"
#include "platform/win32/Win32Toolkit.h"

#include <windows.h>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    Win32Toolkit toolkit(GetModuleHandleW(nullptr));
    GameState state;
    Form1 mainWindow(state);
    mainWindow.Lbl_count.setCaption(argv[1]);
    return Program::run(mainWindow);
}
