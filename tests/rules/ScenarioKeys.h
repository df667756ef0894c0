// Zubrik: the script's keys, named as X names them, as the virtual-key codes a backend hands the forms.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ScenarioKeys {

// Shift itself, pressed around a key named shift+NAME.
constexpr std::int16_t shiftKey = 16;

struct Key
{
    std::int16_t code;
    std::int16_t shift; // a sum of ShiftState values
};

// space Return Tab Escape, the arrows, Home, End, letters, digits; KP_ and
// one of those on the keypad with Num Lock off, KP_Enter, KP_Begin, and its
// digits (Num Lock on); shift+NAME. None for a name it does not know.
std::optional<Key> named(const std::string &name);

} // namespace ScenarioKeys
