// Zubrik: what the page (zubrik_library.js, site/page.js) does for the C++ side of the web toolkit.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

// Elements are named by the address of the model they show (a Form, a
// Control, a Timer), which stays put for their whole life.
extern "C" {

// Sleeps (Asyncify) until the page has posted an event or has something
// else to look at again (a box closed).
void zubrik_wait();
// The run is over with this exit status: the page stops the game where it
// stands and says so.
void zubrik_run_ended(int exitStatus);

// A window: `bordered` gives it the page's title bar with a close box.
void zubrik_form_create(const void *form, const char *name, int bordered, int backColor);
void zubrik_form_update(const void *form, const char *caption, int width, int height);
void zubrik_form_show(const void *form);
void zubrik_form_hide(const void *form);
void zubrik_form_destroy(const void *form);
// The control whose element has the focus, or nullptr.
const void *zubrik_form_focused(const void *form);
// The next control Tab stops at, called once for each in Tab's order.
void zubrik_form_tab_stop(const void *form, const void *control);

// A control's element in its window, or in the frame `container` (nullptr:
// the window); `kind` names what it is, as the page's classes do.
void zubrik_control_create(const void *form, const void *control, const char *kind, const char *fullName,
                           const void *container);
void zubrik_control_destroy(const void *control);
// In pixels of the container's client area; `border` lies inside the box.
void zubrik_control_place(const void *control, int left, int top, int width, int height, int border,
                          int visible, int enabled, int focusable);
void zubrik_control_text(const void *control, const char *text);
// Colours are 0xRRGGBB, -1 for none; the font's size is in CSS pixels;
// `alignment` a CSS text-align value; `stretch`, a picture drawn to the box.
void zubrik_control_style(const void *control, int fontPixels, int bold, int foreColor, int backColor,
                          const char *alignment, int stretch);
void zubrik_control_accessible(const void *control, const char *name, const char *description);
void zubrik_control_label_for(const void *label, const void *labelled);
void zubrik_control_focus(const void *control);
int zubrik_control_has_focus(const void *control);
// Width and height in pixels of the text as a label sets it, packed as width << 16 | height.
int zubrik_label_measure(const char *text, int fontPixels, int bold);

// A canvas whose backing store is the image's pixels (0xffRRGGBB each).
void zubrik_picture_put(const void *control, const std::uint32_t *pixels, int width, int height);
void zubrik_picture_choices_clear(const void *control);
void zubrik_picture_choice_add(const void *control, const char *name, const char *description);
// The marked choice (-1: none) and the ring around it, in pixels of the
// box's container.
void zubrik_picture_mark(const void *control, int index, int left, int top, int width, int height);

int zubrik_message_show(const char *prompt, const char *title);
int zubrik_message_open(int box);
void zubrik_beep();

// Posts the timer's wake-up once `milliseconds` have passed, replacing an earlier one.
void zubrik_timer_wake_in(const void *timer, int milliseconds);
void zubrik_timer_cancel(const void *timer);

} // extern "C"
