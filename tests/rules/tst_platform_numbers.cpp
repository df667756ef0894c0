// Zubrik: tests of rounding and of the caption/number conversions.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/NumberText.h"
#include "platform/Rounding.h"
#include "platform/RuntimeError.h"

#include <doctest/doctest.h>

#include <limits>
#include <optional>
#include <string>

namespace {

// The code of the run-time error the call raises, or none.
template<typename Call>
std::optional<RuntimeErrorCode> errorOf(Call &&call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.code();
    }
    return std::nullopt;
}

} // namespace

TEST_CASE("halfEven")
{
    struct Row { const char *name; double value; double expected; };
    const Row rows[] = {
        { "114.5 down to even", 114.5, 114.0 },
        { "115.5 up to even", 115.5, 116.0 },
        { "100.5", 100.5, 100.0 },
        { "101.5", 101.5, 102.0 },
        { "0.5", 0.5, 0.0 },
        { "-0.5", -0.5, 0.0 },
        { "-1.5", -1.5, -2.0 },
        { "-2.5", -2.5, -2.0 },
        { "just above a half", 2.5000000001, 3.0 },
        { "just below a half", 2.4999999999, 2.0 },
        { "-18.7733", -18.7733, -19.0 },
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(Rounding::halfEven(row.value) == row.expected);
        CHECK(double(Rounding::toInt32(row.value)) == row.expected);
    }
}

TEST_CASE("integerLimits")
{
    CHECK(Rounding::toInt16(32767.4) == std::int16_t(32767));
    CHECK(Rounding::toInt16(-32768.5) == std::int16_t(-32768)); // ties to even, fits
    CHECK(Rounding::toInt32(2147483647.4) == std::int32_t(2147483647));
    CHECK(Rounding::toInt32(-2147483648.0) == std::numeric_limits<std::int32_t>::min());
}

TEST_CASE("overflowIsARuntimeError")
{
    struct Row { const char *name; double value; bool sixteenBits; };
    const Row rows[] = {
        { "16-bit 32767.5 rounds to 32768", 32767.5, true },
        { "16-bit -32769", -32769.0, true },
        { "32-bit 2147483647.5", 2147483647.5, false },
        { "32-bit -2147483649", -2147483649.0, false },
        { "32-bit NaN", std::numeric_limits<double>::quiet_NaN(), false },
        { "32-bit infinity", std::numeric_limits<double>::infinity(), false },
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const auto code = errorOf([&] {
            if (row.sixteenBits)
                Rounding::toInt16(row.value);
            else
                Rounding::toInt32(row.value);
        });
        CHECK(code == RuntimeErrorCode::Overflow);
    }
}

TEST_CASE("captionToDouble")
{
    struct Row { const char *name; std::string caption; double expected; };
    const Row rows[] = {
        { "zero", "0", 0.0 },
        { "counter", "999999", 999999.0 },
        { "blanks around", " 42 ", 42.0 },
        { "decimal", "2.5", 2.5 },
        { "leading zero", "02", 2.0 },
        { "sign", "+3", 3.0 },
        { "exponent", "-1.5e3", -1500.0 },
        { "no whole part", ".5", 0.5 },
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(NumberText::toDouble(row.caption) == row.expected);
    }
}

TEST_CASE("captionThatIsNotANumber")
{
    const std::string captions[] = { "", "abc", "12a", "nan", "inf", "１２" /* full-width digits */,
                                     "1,5", "0x10", "1e999" /* past the largest double */ };
    for (const std::string &caption : captions) {
        INFO('"' << caption << '"');
        CHECK(errorOf([&] { NumberText::toDouble(caption); }) == RuntimeErrorCode::TypeMismatch);
    }
}

TEST_CASE("doubleToCaption")
{
    struct Row { const char *name; double value; std::string expected; };
    const Row rows[] = {
        { "one", 1.0, "1" },
        { "ten", 10.0, "10" },
        { "last milestone", 999999.0, "999999" },
        { "past it, no exponent", 1000000.0, "1000000" },
        { "large whole number", 123456789012.0, "123456789012" },
        { "fraction", 0.1, "0.1" },
        { "fifteen digits", 0.123456789012345, "0.123456789012345" },
        { "exponent", 1e20, "1e+20" },
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(NumberText::fromDouble(row.value) == row.expected);
        CHECK(NumberText::toDouble(NumberText::fromDouble(row.value)) == row.value);
    }
}

TEST_CASE("textToInt32")
{
    CHECK(NumberText::toInt32("2147483647") == 2147483647);
    CHECK(NumberText::toInt32(std::string("0") + '2') == 2);
    CHECK(errorOf([] { NumberText::toInt32("2147483648"); }) == RuntimeErrorCode::Overflow);
}
