// Zubrik: what the page (zubrik_library.js, site/page.js) does for the C++ side of the web toolkit.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

// Elements are named by the address of the model they show (a Form, a
// Control, a Timer), which stays put for their whole life.
extern "C" {

// A window: `bordered` gives it the page's title bar with a close box.
void zubrik_form_create(const void *form, const char *name, int bordered, int backColor);
void zubrik_form_update(const void *form, const char *caption, int width, int height);
void zubrik_form_show(const void *form, int modal);
void zubrik_form_hide(const void *form);
void zubrik_form_destroy(const void *form);
// The control whose element has the focus, or nullptr.
const void *zubrik_form_focused(const void *form);

// A control's element in its window, or in the frame `container` (nullptr: the window).
void zubrik_control_create(const void *form, const void *control, int kind, const char *fullName,
                           const void *container);
void zubrik_control_destroy(const void *control);
void zubrik_control_place(const void *control, int left, int top, int width, int height,
                          int visible, int enabled, int tabIndex);
void zubrik_control_text(const void *control, const char *text);
// Colours are 0xRRGGBB, -1 for none; the font's size is in CSS pixels.
void zubrik_control_style(const void *control, int fontPixels, int bold, int foreColor,
                          int backColor, int border, int alignment);
void zubrik_control_accessible(const void *control, const char *name, const char *description);
void zubrik_control_label_for(const void *label, const void *labelled);
void zubrik_control_focus(const void *control);
int zubrik_control_has_focus(const void *control);
// Width and height in pixels of the text as a label shows it, packed as width << 16 | height.
int zubrik_label_measure(const char *text, int fontPixels, int bold, int border);

// A canvas whose backing store is the image's pixels (0xffRRGGBB each).
void zubrik_picture_put(const void *control, const std::uint32_t *pixels, int width, int height);
// Every visible picture again, once the code running now has returned.
void zubrik_pictures_flush_soon();
void zubrik_picture_choices_clear(const void *control);
void zubrik_picture_choice_add(const void *control, const char *name, const char *description,
                               int x, int y, int width, int height);
void zubrik_picture_mark(const void *control, int index);

int zubrik_message_show(const char *prompt, const char *title);
int zubrik_message_open(int box);
void zubrik_beep();
void zubrik_quit(int exitCode);

void zubrik_timer_start(const void *timer, int intervalMilliseconds);
void zubrik_timer_stop(const void *timer);
int zubrik_timer_remaining(const void *timer);

} // extern "C"
