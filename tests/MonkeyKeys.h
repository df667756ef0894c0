// Zubrik: the keys the random-play tests press, and what the key code makes of each.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QtCore/qnamespace.h>
#include <cstdint>

namespace MonkeyKeys {

struct Key
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::int16_t code; // the code the key handlers should see
};

// The key code itself first, then keys that activate or move between buttons,
// then keys that only break the code.
inline const Key keys[] = {
    { Qt::Key_Up, {}, 38 }, { Qt::Key_Down, {}, 40 }, { Qt::Key_Left, {}, 37 },
    { Qt::Key_Right, {}, 39 }, { Qt::Key_A, {}, 65 }, { Qt::Key_B, {}, 66 },
    { Qt::Key_Space, {}, 32 }, { Qt::Key_Return, {}, 13 }, { Qt::Key_Enter, Qt::KeypadModifier, 13 },
    { Qt::Key_Tab, {}, 9 }, { Qt::Key_Escape, {}, 27 }, { Qt::Key_Shift, Qt::ShiftModifier, 16 },
    { Qt::Key_Control, Qt::ControlModifier, 17 }, { Qt::Key_C, {}, 67 }, { Qt::Key_Z, {}, 90 },
    { Qt::Key_7, {}, 55 }, { Qt::Key_0, {}, 48 }, { Qt::Key_F1, {}, 112 }, { Qt::Key_Delete, {}, 46 },
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
