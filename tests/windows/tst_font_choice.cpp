// Zubrik: the Windows backend's choice of a Japanese font, its sizes, and its whole-number screen scale.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "platform/Font.h"
#include "platform/win32/FontChoice.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"

#include <string>
#include <vector>

namespace {

const std::wstring designed = Win32Text::widen(Font::designFamily);

} // namespace

TEST_CASE("the designed font wins wherever it is installed, whatever else is")
{
    const std::vector<std::wstring> installed = { L"Arial", L"Noto Sans CJK JP", L"Yu Gothic UI", designed };
    CHECK(FontChoice::chooseFamily(installed) == designed);
}

TEST_CASE("without it, the first installed of the fallbacks, in their order")
{
    // Listed by the system in another order than the fallbacks'.
    CHECK(FontChoice::chooseFamily({ L"Noto Sans CJK JP", L"MS UI Gothic", L"Meiryo UI" }) == L"Meiryo UI");
    // Wine on Debian reports IPA's P Gothic by its English name; Noto comes after it.
    CHECK(FontChoice::chooseFamily({ L"@IPAPGothic", L"Noto Sans CJK JP", L"IPAGothic", L"IPAPGothic" })
          == L"IPAPGothic");
    CHECK(FontChoice::chooseFamily({ L"Tahoma", L"Noto Sans CJK JP" }) == L"Noto Sans CJK JP");
    // Names are matched whole and without regard to case.
    CHECK(FontChoice::chooseFamily({ L"noto sans cjk jp", L"Meiryo" }) == L"Noto Sans CJK JP");
    CHECK(FontChoice::chooseFamily({ L"Meiryo UI Bold" }) == designed);
}

TEST_CASE("with no Japanese font at all, the designed name goes to the font mapper")
{
    CHECK(FontChoice::chooseFamily({}) == designed);
    CHECK(FontChoice::chooseFamily({ L"Tahoma", L"Arial" }) == designed);
}

TEST_CASE("fonts are sized for 96 dpi times the scale, as character heights")
{
    CHECK(FontChoice::logicalHeight(9, 1) == -12);
    CHECK(FontChoice::logicalHeight(15.75, 1) == -21);
    CHECK(FontChoice::logicalHeight(20.25, 1) == -27);
    CHECK(FontChoice::logicalHeight(9, 2) == -24);
    CHECK(FontChoice::logicalHeight(20.25, 3) == -81);
}

TEST_CASE("a screen's density becomes a whole scale, halves up, never below 1")
{
    CHECK(Win32Dpi::scaleForDpi(72) == 1);
    CHECK(Win32Dpi::scaleForDpi(96) == 1);
    CHECK(Win32Dpi::scaleForDpi(120) == 1); // 125 %
    CHECK(Win32Dpi::scaleForDpi(143) == 1);
    CHECK(Win32Dpi::scaleForDpi(144) == 2); // 150 %
    CHECK(Win32Dpi::scaleForDpi(192) == 2);
    CHECK(Win32Dpi::scaleForDpi(240) == 3); // 250 %
    CHECK(Win32Dpi::scaleForDpi(0) == 1);
}

TEST_CASE("texts reach the wide calls whole, a malformed byte as a replacement")
{
    CHECK(Win32Text::widen("ジャンプ") == L"\u30B8\u30E3\u30F3\u30D7");
    CHECK(Win32Text::widen("10\r\n") == L"10\r\n");
    CHECK(Win32Text::widen("") == L"");
    CHECK(Win32Text::widen("a\xff" "b") == L"a\uFFFDb");
}
