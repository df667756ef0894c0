// Zubrik: the key codes and shift states the game's key handlers work with.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

// Key handlers receive the classic desktop virtual-key codes (Left 37, Up 38,
// Right 39, Down 40, Shift 16, letters their capital's code, digits theirs,
// the keypad's digits 96 to 105, F1 112 ...), whatever the toolkit numbers
// them; each backend translates its own.
namespace VirtualKey {

constexpr std::int16_t Tab = 9;
constexpr std::int16_t Return = 13;
constexpr std::int16_t Escape = 27;
constexpr std::int16_t Space = 32;
constexpr std::int16_t End = 35;
constexpr std::int16_t Home = 36;
constexpr std::int16_t Left = 37;
constexpr std::int16_t Up = 38;
constexpr std::int16_t Right = 39;
constexpr std::int16_t Down = 40;
constexpr std::int16_t Digit0 = 48;
constexpr std::int16_t A = 65;
constexpr std::int16_t B = 66;
constexpr std::int16_t Numpad0 = 96;

// A key that a backend's table does not know gets this code, which no known key uses.
constexpr std::int16_t Unknown = 255;

} // namespace VirtualKey

// The shift state as key and mouse handlers receive it: a sum of these.
namespace ShiftState {

constexpr std::int16_t Shift = 1;
constexpr std::int16_t Ctrl = 2;
constexpr std::int16_t Alt = 4;

} // namespace ShiftState

// Mouse buttons as mouse handlers receive them: a sum of these.
namespace MouseButton {

constexpr std::int16_t Left = 1;
constexpr std::int16_t Right = 2;
constexpr std::int16_t Middle = 4;

} // namespace MouseButton
