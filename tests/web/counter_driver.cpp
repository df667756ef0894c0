// Zubrik: the game's page as main() runs it, with the counter's caption taken from the address (…/?999998); a test page only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// One short of the end, the next jump brings the ending; a caption that is
// no number, a run-time error.
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Label.h"
#include "platform/Program.h"
#include "platform/web/WebToolkit.h"

#include <emscripten.h>

int main()
{
    static WebToolkit toolkit;
    static GameState state;
    static Form1 mainWindow(state);
    mainWindow.Lbl_count.setCaption(emscripten_run_script_string("decodeURIComponent(location.search.slice(1))"));
    const int status = Program::run(mainWindow);
    toolkit.runEnded(status);
    return status;
}
