// Zubrik: the models' UTF-8 texts as the wide-character calls take them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <string>

namespace Win32Text {

// UTF-8 to UTF-16; a malformed sequence becomes U+FFFD rather than being dropped.
std::wstring widen(const std::string &text);

} // namespace Win32Text
