// Zubrik: the conversions between captions and numbers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/NumberText.h"

#include "platform/Rounding.h"
#include "platform/RuntimeError.h"

#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <sstream>

namespace NumberText {
namespace {

RuntimeError typeMismatch()
{
    return RuntimeError(RuntimeErrorCode::TypeMismatch, "Type mismatch");
}

// Decimal text as a caption holds it: a sign, digits with at most one '.',
// an exponent; no grouping, no hexadecimal, no words such as "inf". Read on
// every press, so scanned by hand rather than by a regular expression.
bool isDecimal(const std::string &text)
{
    std::size_t at = 0;
    const auto sign = [&] {
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
    };
    const auto digits = [&] {
        const std::size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at - start;
    };
    sign();
    std::size_t mantissa = digits();
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        sign();
        if (digits() == 0)
            return false;
    }
    return at == text.size();
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
    double value = 0;
    // Read on every press: the library's own conversion where it has one for
    // floating point (it knows no '+'); else, on the web, the C library's,
    // which knows no locale; else a stream. All in the classic locale, as a
    // caption is always written with '.'. (A stream would bring the whole of
    // the library's locales into the page's program.)
#if defined(__cpp_lib_to_chars)
    const char *first = text.data() + (text[0] == '+' ? 1 : 0);
    const auto [end, failure] = std::from_chars(first, text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw typeMismatch();
#elif defined(__EMSCRIPTEN__)
    char *end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    if (errno == ERANGE || end != text.c_str() + text.size() || !std::isfinite(value))
        throw typeMismatch();
#else
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> value;
    if (in.fail() || !std::isfinite(value))
        throw typeMismatch();
#endif
    return value;
}

std::string fromDouble(double value)
{
    constexpr int significantDigits = 15;
#if defined(__cpp_lib_to_chars)
    char digits[32];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, significantDigits);
    return std::string(digits, written.ptr);
#elif defined(__EMSCRIPTEN__)
    char digits[32];
    const int length = std::snprintf(digits, sizeof digits, "%.*g", significantDigits, value);
    return std::string(digits, std::size_t(length));
#else
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(significantDigits);
    out << value;
    return out.str();
#endif
}

std::int32_t toInt32(const std::string &text)
{
    return Rounding::toInt32(toDouble(text));
}

} // namespace NumberText
