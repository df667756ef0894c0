// Zubrik: the conversions between captions and numbers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/NumberText.h"

#include "platform/Rounding.h"
#include "platform/RuntimeError.h"

#include <cmath>
#include <locale>
#include <regex>
#include <sstream>

namespace NumberText {
namespace {

RuntimeError typeMismatch()
{
    return RuntimeError(RuntimeErrorCode::TypeMismatch, "Type mismatch");
}

// Decimal text as a caption holds it: a sign, digits with at most one '.',
// an exponent; no grouping, no hexadecimal, no words such as "inf".
bool isDecimal(const std::string &text)
{
    static const std::regex decimal(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    return std::regex_match(text, decimal);
}

std::string trimmed(const std::string &text)
{
    const char *blanks = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

double toDouble(const std::string &caption)
{
    const std::string text = trimmed(caption);
    if (!isDecimal(text))
        throw typeMismatch();
    // The classic locale: a caption is always written with '.'.
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    double value = 0;
    in >> value;
    if (in.fail() || !std::isfinite(value))
        throw typeMismatch();
    return value;
}

std::string fromDouble(double value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(15);
    out << value;
    return out.str();
}

std::int32_t toInt32(const std::string &text)
{
    return Rounding::toInt32(toDouble(text));
}

} // namespace NumberText
