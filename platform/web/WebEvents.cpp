// Zubrik: the page's events, into the game's entry points.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"
#include "platform/Timer.h"
#include "platform/web/WebKeys.h"
#include "platform/web/WebToolkit.h"

#include <emscripten.h>

// Each takes the address of the model that the page's element shows. Once the
// game has stopped (a run-time error), nothing reaches it any more.
extern "C" {

EMSCRIPTEN_KEEPALIVE void zubrik_click(CommandButton *button)
{
    if (!WebToolkit::current().stopped())
        button->click();
}

// down: 1 for a press, 0 for a move. x and y in twips of the client area.
EMSCRIPTEN_KEEPALIVE void zubrik_mouse(PictureBox *box, int down, int buttons, int shift, float x, float y)
{
    if (WebToolkit::current().stopped())
        return;
    if (down)
        box->mouseDown(std::int16_t(buttons), std::int16_t(shift), x, y);
    else
        box->mouseMove(std::int16_t(buttons), std::int16_t(shift), x, y);
}

namespace {

// Where the page writes a key's `code` and `key` (NUL-terminated ASCII) for
// zubrik_key_code: the page cannot allocate while a handler sleeps.
char keyNames[2][32];

} // namespace

EMSCRIPTEN_KEEPALIVE char *zubrik_key_names()
{
    return &keyNames[0][0];
}

EMSCRIPTEN_KEEPALIVE int zubrik_key_code()
{
    return WebKeys::fromEvent(keyNames[0], keyNames[1]);
}

// phase: 0 down (before the focused element), 1 up, 2 a key the focused
// element has no use for; returns whether the form took it.
EMSCRIPTEN_KEEPALIVE int zubrik_key(Form *form, int phase, int keyCode, int shift)
{
    if (WebToolkit::current().stopped())
        return 0;
    switch (phase) {
    case 0: form->keyDown(std::int16_t(keyCode), std::int16_t(shift)); return 0;
    case 1: form->keyUp(std::int16_t(keyCode), std::int16_t(shift)); return 0;
    default: return form->keyPress(std::int16_t(keyCode));
    }
}

EMSCRIPTEN_KEEPALIVE void zubrik_close(Form *form)
{
    if (!WebToolkit::current().stopped())
        form->requestClose();
}

EMSCRIPTEN_KEEPALIVE void zubrik_tick(Timer *timer)
{
    if (!WebToolkit::current().stopped())
        timer->tick();
}

} // extern "C"
