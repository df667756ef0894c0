// Zubrik: the page's side of the web toolkit's calls (WebPage.h), handed on to site/page.js.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Addresses name the elements; C strings become JavaScript strings here, so
// the page itself never reads the program's memory except for pictures.
mergeInto(LibraryManager.library, {
  // The event loop's sleep: the page keeps the way to wake it, and calls it
  // once it has posted an event.
  zubrik_wait: function () {
    return Asyncify.handleSleep(function (wakeUp) { ZubrikPage.sleep(wakeUp); });
  },
  zubrik_run_ended: function (exitStatus) { ZubrikPage.runEnded(exitStatus); },

  zubrik_form_create: function (form, name, bordered, backColor) {
    ZubrikPage.createForm(form, UTF8ToString(name), !!bordered, backColor);
  },
  zubrik_form_update: function (form, caption, width, height) {
    ZubrikPage.updateForm(form, UTF8ToString(caption), width, height);
  },
  zubrik_form_show: function (form) { ZubrikPage.showForm(form); },
  zubrik_form_hide: function (form) { ZubrikPage.hideForm(form); },
  zubrik_form_destroy: function (form) { ZubrikPage.destroyForm(form); },
  zubrik_form_focused: function (form) { return ZubrikPage.focusedControl(form); },
  zubrik_form_tab_stop: function (form, control) { ZubrikPage.tabStop(form, control); },

  zubrik_control_create: function (form, control, kind, fullName, container) {
    ZubrikPage.createControl(form, control, UTF8ToString(kind), UTF8ToString(fullName), container);
  },
  zubrik_control_destroy: function (control) { ZubrikPage.destroyControl(control); },
  zubrik_control_place: function (control, left, top, width, height, border, visible, enabled, focusable) {
    ZubrikPage.placeControl(control, { left, top, width, height, border, visible: !!visible,
                                       enabled: !!enabled, focusable: !!focusable });
  },
  zubrik_control_text: function (control, text) {
    ZubrikPage.setText(control, UTF8ToString(text));
  },
  zubrik_control_style: function (control, fontPixels, bold, foreColor, backColor, alignment, stretch) {
    ZubrikPage.styleControl(control, { fontPixels, bold: !!bold, foreColor, backColor,
                                       alignment: UTF8ToString(alignment), stretch: !!stretch });
  },
  zubrik_control_accessible: function (control, name, description) {
    ZubrikPage.setAccessible(control, UTF8ToString(name), UTF8ToString(description));
  },
  zubrik_control_label_for: function (label, labelled) { ZubrikPage.labelFor(label, labelled); },
  zubrik_control_focus: function (control) { ZubrikPage.focus(control); },
  zubrik_control_has_focus: function (control) { return ZubrikPage.hasFocus(control) ? 1 : 0; },
  zubrik_label_measure: function (text, fontPixels, bold) {
    var size = ZubrikPage.measure(UTF8ToString(text), fontPixels, !!bold);
    return (size.width << 16) | size.height;
  },

  // The page reads the pixels again whenever a handler has returned, as
  // copies into the image tell no one: so it is given a way to read them.
  zubrik_picture_put: function (control, pixels, width, height) {
    var first = pixels >> 2;
    ZubrikPage.putPicture(control, function () { return HEAPU32.subarray(first, first + width * height); },
                          width, height);
  },
  zubrik_picture_choices_clear: function (control) { ZubrikPage.clearChoices(control); },
  zubrik_picture_choice_add: function (control, name, description) {
    ZubrikPage.addChoice(control, UTF8ToString(name), UTF8ToString(description));
  },
  zubrik_picture_mark: function (control, index, left, top, width, height) {
    ZubrikPage.markChoice(control, index, { left, top, width, height });
  },

  zubrik_message_show: function (prompt, title) {
    return ZubrikPage.showMessage(UTF8ToString(prompt), UTF8ToString(title));
  },
  zubrik_message_open: function (box) { return ZubrikPage.messageOpen(box) ? 1 : 0; },
  zubrik_beep: function () { ZubrikPage.beep(); },

  zubrik_timer_wake_in: function (timer, milliseconds) { ZubrikPage.wakeTimerIn(timer, milliseconds); },
  zubrik_timer_cancel: function (timer) { ZubrikPage.cancelTimer(timer); },
});
