// Zubrik: conversion of floating-point values to integers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Rounding.h"

#include "platform/RuntimeError.h"

#include <cmath>
#include <limits>

namespace Rounding {

double halfEven(double value)
{
    // nearbyint honours the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; std::remainder-free and exact for every double.
    return std::nearbyint(value);
}

template<typename Int>
static Int toInteger(double value)
{
    const double rounded = halfEven(value);
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        throw RuntimeError(RuntimeErrorCode::Overflow, "Overflow");
    return static_cast<Int>(rounded);
}

std::int16_t toInt16(double value) { return toInteger<std::int16_t>(value); }
std::int32_t toInt32(double value) { return toInteger<std::int32_t>(value); }

} // namespace Rounding
