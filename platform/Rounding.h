// Zubrik: conversion of floating-point values to integers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>

namespace Rounding {

// Nearest integer, ties to the even neighbour (114.5 -> 114, 115.5 -> 116).
double halfEven(double value);

// halfEven into a 16- or 32-bit signed integer; a value that does not fit,
// or is not a number, raises an overflow RuntimeError.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

} // namespace Rounding
