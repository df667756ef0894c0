// Zubrik: the page's events, posted to the event loop, which hands them to the game's entry points.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"
#include "platform/Timer.h"
#include "platform/web/WebInput.h"
#include "platform/web/WebToolkit.h"

#include <emscripten.h>

namespace {

WebEventLoop &loop()
{
    return WebToolkit::current().loop();
}

// Where the page writes a key's `code` and `key` (NUL-terminated ASCII) for
// zubrik_post_key, rather than allocate for every key.
char keyNames[2][32];

// The answer to the last key posted: whether the form spent it, once it has
// run (-1 before: a key that opened a modal window is still running).
struct
{
    int event = 0;
    int spent = -1;
} keyAnswer;
int keysPosted = 0;

} // namespace

// Each takes the address of the model that the page's element shows.
extern "C" {

EMSCRIPTEN_KEEPALIVE void zubrik_post_click(Control *control)
{
    if (auto *button = dynamic_cast<CommandButton *>(control))
        loop().post(control, [button] { button->click(); });
}

EMSCRIPTEN_KEEPALIVE void zubrik_post_pointer_pressed(Control *control)
{
    loop().post(control, [control] { control->pointerPressed(); });
}

// x and y in the box's own pixels from its outer top left. `down`: a press of
// `button`; else a move with `buttons` held (both as the MouseEvent has them).
EMSCRIPTEN_KEEPALIVE void zubrik_post_mouse(Control *control, int down, int button, int buttons, int shift,
                                            int ctrl, int alt, double x, double y)
{
    auto *box = dynamic_cast<PictureBox *>(control);
    if (!box)
        return;
    const std::int16_t state = WebInput::shiftState(shift, ctrl, alt);
    if (down) {
        const std::int16_t pressed = WebInput::mouseButton(button);
        loop().post(control, [=] { box->mouseDownAt(pressed, state, x, y); });
    } else {
        const std::int16_t held = WebInput::mouseButtons(buttons);
        loop().post(control, [=] { box->mouseMoveAt(held, state, x, y); });
    }
}

EMSCRIPTEN_KEEPALIVE char *zubrik_key_names()
{
    return &keyNames[0][0];
}

// A key pressed (`press`) or released in the form's window, named in
// keyNames; returns the number zubrik_key_spent asks by.
EMSCRIPTEN_KEEPALIVE int zubrik_post_key(Form *form, int press, int shift, int ctrl, int alt)
{
    const std::int16_t code = WebInput::keyCode(keyNames[0], keyNames[1]);
    const std::int16_t state = WebInput::shiftState(shift, ctrl, alt);
    const int event = ++keysPosted;
    keyAnswer = { event, -1 };
    loop().post(form, [=] {
        const bool spent = press ? form->pressKey(code, state) : form->releaseKey(code, state);
        if (keyAnswer.event == event)
            keyAnswer.spent = spent;
    });
    return event;
}

// 1 if the form spent the key, 0 if it had no use for it, -1 while it runs.
EMSCRIPTEN_KEEPALIVE int zubrik_key_spent(int event)
{
    return keyAnswer.event == event ? keyAnswer.spent : -1;
}

EMSCRIPTEN_KEEPALIVE void zubrik_post_close(Form *form)
{
    loop().post(form, [form] { form->requestClose(); });
}

EMSCRIPTEN_KEEPALIVE void zubrik_post_wake(Timer *timer)
{
    loop().post(timer, [timer] { timer->wake(); });
}

} // extern "C"
