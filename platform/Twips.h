// Zubrik: the unit the game's rules are written in.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

// 15 twips make one pixel on every screen. A control keeps a value written
// exactly (5062.5 stays 5062.5) while it sits at the nearest whole pixel.
namespace Twips {

constexpr double perPixel = 15.0;

// The nearest whole pixel, ties to even; out of range is an overflow error.
int toPixels(double twips);
// A position a toolkit reports in pixels (perhaps fractional, on a scaled
// screen), in twips.
constexpr double fromPixels(double pixels) { return pixels * perPixel; }

} // namespace Twips
