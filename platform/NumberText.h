// Zubrik: the conversions between captions and numbers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>
#include <string>

namespace NumberText {

// A caption's decimal text as a double; leading and trailing blanks are
// allowed, anything else that is not a number raises a type-mismatch error.
double toDouble(const std::string &caption);

// A double as decimal text: a whole number has no decimal point, up to
// fifteen significant digits as the counter needs ("999999", "1000000").
std::string fromDouble(double value);

// Decimal text read back as a 32-bit signed integer; out of range raises an
// overflow error, text that is not a whole number a type mismatch.
std::int32_t toInt32(const std::string &text);

} // namespace NumberText
