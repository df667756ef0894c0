// Zubrik: prints where each window's controls lie, as the game lays them out, for the end-to-end drivers; a test program only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: zubrik_scenario_layout [KEY...]. For each window, once loaded as
// the game shows it (the dialogs with three choices, then again with four), a line
//   window NAME WIDTH HEIGHT TITLE
// (the client area in pixels) and for each control shown a line
//   control NAME.CONTROL X Y WIDTH HEIGHT BORDER
// with its outer rectangle in the window's client pixels and a picture box's
// border width. A driver aims its clicks at these, and finds on screen the
// widget a caption or a state is read from, so that no position is copied by
// hand. An auto-sized label's size is the headless toolkit's measure of its
// caption, near the real font's, never exact. Then for each KEY named as the
// script names it, its virtual-key code and shift state
//   key NAME CODE SHIFT
// for a driver that hands a window its messages itself (status 2 for a key
// it does not know).
#include "ScenarioKeys.h"

#include "core/Form1.h"
#include "core/GameState.h"
#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "ending/Form4.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "platform/headless/HeadlessToolkit.h"

#include <cstdio>

namespace {

void printWindow(const Form &form)
{
    std::printf("window %s %d %d %s\n", form.name().c_str(), Twips::toPixels(form.width()),
                Twips::toPixels(form.height()), form.caption().c_str());
}

void print(const Form &form)
{
    printWindow(form);
    for (const auto &control : form.controls()) {
        if (!control->visible())
            continue;
        const PixelRect rect = control->pixelRectInForm();
        const auto *box = dynamic_cast<const PictureBox *>(control.get());
        std::printf("control %s.%s %d %d %d %d %d\n", form.name().c_str(), control->fullName().c_str(),
                    rect.x, rect.y, rect.width, rect.height, box ? box->border() : 0);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    HeadlessToolkit toolkit;
    GameState state;
    Form1 main(state);
    print(main);
    print(Form2(main));
    print(Form3(main));
    print(Form4(main));
    // The dialogs widen in the hidden mode, for a fourth choice; what a
    // driver aims at in them stays where it was.
    state.hiddenMode = 1;
    printWindow(Form2(main));
    printWindow(Form3(main));
    for (int i = 1; i < argc; ++i) {
        const auto key = ScenarioKeys::named(argv[i]);
        if (!key)
            return 2;
        std::printf("key %s %d %d\n", argv[i], key->code, key->shift);
    }
    return 0;
}
