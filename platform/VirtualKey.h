// Zubrik: the key codes the game's key handlers work with.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

class QKeyEvent;

// Key handlers receive the classic desktop virtual-key codes (Left 37, Up 38,
// Right 39, Down 40, Shift 16, letters their capital's code, F1 112 ...), not
// the toolkit's own key numbers.
namespace VirtualKey {

constexpr std::int16_t Left = 37;
constexpr std::int16_t Up = 38;
constexpr std::int16_t Right = 39;
constexpr std::int16_t Down = 40;
constexpr std::int16_t A = 65;
constexpr std::int16_t B = 66;

// A key that the table does not know gets this code, which no known key uses.
constexpr std::int16_t Unknown = 255;

std::int16_t fromQtKey(int qtKey, bool keypad);
std::int16_t fromEvent(const QKeyEvent &event);

} // namespace VirtualKey
