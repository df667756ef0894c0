// Zubrik: the keys the random-play tests press, and what the key code makes of each.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/VirtualKey.h"

#include <cstdint>

namespace MonkeyKeys {

struct Key
{
    std::int16_t code; // the key code the handlers see
    std::int16_t shift; // the shift state held with it
};

constexpr std::int16_t tab = 9;

// The key code itself first, then keys that activate or move between buttons,
// then keys that only break the code.
inline constexpr Key keys[] = {
    { VirtualKey::Up, 0 }, { VirtualKey::Down, 0 }, { VirtualKey::Left, 0 },
    { VirtualKey::Right, 0 }, { VirtualKey::A, 0 }, { VirtualKey::B, 0 },
    { VirtualKey::Space, 0 }, { VirtualKey::Return, 0 }, { tab, 0 },
    { VirtualKey::Escape, 0 }, { 16, ShiftState::Shift }, { 17, ShiftState::Ctrl },
    { 67, 0 }, { 90, 0 }, { 55, 0 }, { 48, 0 }, { 112, 0 }, { 46, 0 },
};
// Up Up A Right B Down Left Left A Down, as indices into keys.
inline constexpr int codeKeys[] = { 0, 0, 4, 3, 5, 1, 2, 2, 4, 1 };

// What the key-down handler should make of one key.
inline std::int32_t nextCode(std::int32_t code, std::int16_t key)
{
    auto append = [code](int digit) {
        const std::int64_t value = std::int64_t(code) * 10 + (code < 0 ? -digit : digit);
        return value > 2147483647 || value < -2147483647 - 1 ? 0 : std::int32_t(value);
    };
    switch (key) {
    case 38: return code == 1 ? 11 : 1;
    case 40: return append(2);
    case 37: return append(3);
    case 39: return append(4);
    case 66: return append(5);
    case 65: return append(6);
    default: return key;
    }
}

} // namespace MonkeyKeys
