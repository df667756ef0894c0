// Zubrik: the models' UTF-8 texts as the wide-character calls take them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/win32/Win32Text.h"

#include "platform/win32/Win32Api.h"

namespace Win32Text {

std::wstring widen(const std::string &text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

} // namespace Win32Text
