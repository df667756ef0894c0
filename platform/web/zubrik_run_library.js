// Zubrik: the tab's session storage for the kept run (WebRunStore.cpp).
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Every touch of the storage may throw (a SecurityError where storage is
// disabled or the page is sandboxed, a QuotaExceededError when full): each
// one is caught here, and the game plays on without a kept run.
mergeInto(LibraryManager.library, {
  // The kept text into buffer; -1 where there is none, it does not fit, or
  // the storage refused.
  zubrik_run_read: function (buffer, size) {
    var text;
    try {
      text = window.sessionStorage.getItem('zubrik.run');
    } catch (refused) {
      return -1;
    }
    if (text === null || lengthBytesUTF8(text) >= size) return -1;
    stringToUTF8(text, buffer, size);
    return 0;
  },
  zubrik_run_write: function (text) {
    try {
      window.sessionStorage.setItem('zubrik.run', UTF8ToString(text));
    } catch (refused) {
      // Lost with this run; a reload starts afresh, as it would anyway.
    }
  },
  zubrik_run_erase: function () {
    try {
      window.sessionStorage.removeItem('zubrik.run');
    } catch (refused) {
      // Nothing could have been kept.
    }
  },
});
