// Zubrik: which installed font shows the designs' Japanese text, and at what size.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <string>
#include <vector>

namespace FontChoice {

// The designed family where it is installed (Japanese Windows), else the first
// installed of the Japanese fonts that come with Windows, then those a Linux
// system under Wine usually has. Names compare without regard to case.
std::wstring chooseFamily(const std::vector<std::wstring> &installed);

// The families tried, in order, after the designed one.
const std::vector<std::wstring> &fallbackFamilies();

// A LOGFONT height: the character height in pixels for the points, on a
// 96-dpi screen enlarged by scale, negative as the font mapper wants it.
int logicalHeight(double points, int scale);

} // namespace FontChoice
