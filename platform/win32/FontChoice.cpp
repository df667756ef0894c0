// Zubrik: which installed font shows the designs' Japanese text, and at what size.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/FontChoice.h"

#include "platform/Font.h"
#include "platform/win32/Win32Text.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

namespace FontChoice {
namespace {

bool sameName(const std::wstring &a, const std::wstring &b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

bool isInstalled(const std::vector<std::wstring> &installed, const std::wstring &family)
{
    return std::any_of(installed.begin(), installed.end(),
                       [&](const std::wstring &name) { return sameName(name, family); });
}

} // namespace

const std::vector<std::wstring> &fallbackFamilies()
{
    // IPA's P Gothic goes by its English name or its Japanese one, as the
    // system's locale has it.
    static const std::vector<std::wstring> families = {
        L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic", L"IPAPGothic",
        L"IPA P\u30B4\u30B7\u30C3\u30AF", L"Noto Sans CJK JP",
    };
    return families;
}

std::wstring chooseFamily(const std::vector<std::wstring> &installed)
{
    const std::wstring designed = Win32Text::widen(Font::designFamily);
    if (isInstalled(installed, designed))
        return designed;
    for (const std::wstring &family : fallbackFamilies())
        if (isInstalled(installed, family))
            return family;
    // None of them: the font mapper picks its nearest to the designed name.
    return designed;
}

int logicalHeight(double points, int scale)
{
    return -int(std::lround(points * 96.0 * scale / 72.0));
}

} // namespace FontChoice
