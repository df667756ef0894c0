// Zubrik: the browser's keys, shift keys and mouse buttons as the game's handlers number them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebInput.h"

#include "platform/VirtualKey.h"

#include <unordered_map>

namespace WebInput {
namespace {

using namespace VirtualKey;

const std::unordered_map<std::string, std::int16_t> &codes()
{
    static const std::unordered_map<std::string, std::int16_t> table = {
        { "Backspace", 8 }, { "Tab", 9 }, { "Enter", Return }, { "NumpadEnter", Return },
        { "ShiftLeft", 16 }, { "ShiftRight", 16 }, { "ControlLeft", 17 }, { "ControlRight", 17 },
        { "AltLeft", 18 }, { "AltRight", 18 }, { "Pause", 19 }, { "CapsLock", 20 },
        { "Escape", Escape }, { "Space", Space }, { "PageUp", 33 }, { "PageDown", 34 },
        { "End", End }, { "Home", Home }, { "ArrowLeft", Left }, { "ArrowUp", Up },
        { "ArrowRight", Right }, { "ArrowDown", Down }, { "PrintScreen", 44 }, { "Insert", 45 },
        { "Delete", 46 }, { "Help", 47 }, { "MetaLeft", 91 }, { "MetaRight", 91 },
        { "ContextMenu", 93 }, { "NumpadMultiply", 106 }, { "NumpadAdd", 107 },
        { "NumpadSubtract", 109 }, { "NumpadDecimal", 110 }, { "NumpadDivide", 111 },
        { "NumLock", 144 }, { "ScrollLock", 145 }, { "Semicolon", 186 }, { "Equal", 187 },
        { "Comma", 188 }, { "Minus", 189 }, { "Period", 190 }, { "Slash", 191 },
        { "Backquote", 192 }, { "BracketLeft", 219 }, { "Backslash", 220 },
        { "BracketRight", 221 }, { "Quote", 222 },
    };
    return table;
}

// What a keypad key does with Num Lock off, by its `key`.
const std::unordered_map<std::string, std::int16_t> &keypadMoves()
{
    static const std::unordered_map<std::string, std::int16_t> table = {
        { "ArrowLeft", Left }, { "ArrowUp", Up }, { "ArrowRight", Right }, { "ArrowDown", Down },
        { "Home", Home }, { "End", End }, { "PageUp", 33 }, { "PageDown", 34 },
        { "Insert", 45 }, { "Delete", 46 }, { "Clear", 12 },
    };
    return table;
}

bool endsInDigit(const std::string &text, std::size_t prefix)
{
    return text.size() == prefix + 1 && text[prefix] >= '0' && text[prefix] <= '9';
}

} // namespace

std::int16_t keyCode(const std::string &code, const std::string &key)
{
    if (code.size() == 4 && code.compare(0, 3, "Key") == 0 && code[3] >= 'A' && code[3] <= 'Z')
        return std::int16_t(code[3]);
    if (endsInDigit(code, 5) && code.compare(0, 5, "Digit") == 0)
        return std::int16_t(code[5]);
    if (endsInDigit(code, 6) && code.compare(0, 6, "Numpad") == 0) {
        if (const auto move = keypadMoves().find(key); move != keypadMoves().end())
            return move->second;
        return std::int16_t(Numpad0 + (code[6] - '0'));
    }
    if (code.size() >= 2 && code[0] == 'F') {
        const std::string number = code.substr(1);
        if (number.find_first_not_of("0123456789") == std::string::npos && number.size() <= 2) {
            const int n = std::stoi(number);
            if (n >= 1 && n <= 24)
                return std::int16_t(112 + n - 1);
        }
    }
    if (const auto found = codes().find(code); found != codes().end())
        return found->second;
    return Unknown;
}

std::int16_t shiftState(bool shift, bool ctrl, bool alt)
{
    return std::int16_t((shift ? ShiftState::Shift : 0) + (ctrl ? ShiftState::Ctrl : 0)
                        + (alt ? ShiftState::Alt : 0));
}

std::int16_t mouseButton(int domButton)
{
    switch (domButton) {
    case 0: return MouseButton::Left;
    case 1: return MouseButton::Middle;
    case 2: return MouseButton::Right;
    default: return 0;
    }
}

std::int16_t mouseButtons(int domButtons)
{
    return std::int16_t(((domButtons & 1) ? MouseButton::Left : 0) + ((domButtons & 2) ? MouseButton::Right : 0)
                        + ((domButtons & 4) ? MouseButton::Middle : 0));
}

} // namespace WebInput
