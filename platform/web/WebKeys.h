// Zubrik: the browser's keys as the game's key handlers number them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>
#include <string>

namespace WebKeys {

// The virtual-key code of a KeyboardEvent, from its `code` (the key's place
// on a US keyboard, so a shifted symbol gives its key's code) and its `key`
// (which tells a keypad key with Num Lock off, "ArrowLeft" on "Numpad4",
// from a digit). Unknown keys give VirtualKey::Unknown.
std::int16_t fromEvent(const std::string &code, const std::string &key);

} // namespace WebKeys
