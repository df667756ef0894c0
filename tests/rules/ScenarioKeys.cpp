// Zubrik: the script's keys, named as X names them, as the virtual-key codes a backend hands the forms.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "ScenarioKeys.h"

#include "platform/VirtualKey.h"

#include <cctype>
#include <map>

namespace ScenarioKeys {
namespace {

// The keypad's 5 with Num Lock off, which VirtualKey does not name.
constexpr std::int16_t clearKey = 12;

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::optional<Key> named(const std::string &name)
{
    if (name.compare(0, 6, "shift+") == 0) {
        auto key = named(name.substr(6));
        if (key)
            key->shift |= ShiftState::Shift;
        return key;
    }
    static const std::map<std::string, std::int16_t> codes {
        { "space", VirtualKey::Space }, { "Return", VirtualKey::Return }, { "Tab", VirtualKey::Tab },
        { "Escape", VirtualKey::Escape }, { "Left", VirtualKey::Left }, { "Right", VirtualKey::Right },
        { "Up", VirtualKey::Up }, { "Down", VirtualKey::Down }, { "Home", VirtualKey::Home },
        { "End", VirtualKey::End },
        // With Num Lock off the keypad gives the keys printed under its digits.
        { "KP_Left", VirtualKey::Left }, { "KP_Right", VirtualKey::Right }, { "KP_Up", VirtualKey::Up },
        { "KP_Down", VirtualKey::Down }, { "KP_Home", VirtualKey::Home }, { "KP_End", VirtualKey::End },
        { "KP_Begin", clearKey }, { "KP_Enter", VirtualKey::Return },
    };
    if (const auto found = codes.find(name); found != codes.end())
        return Key { found->second, 0 };
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
        return Key { std::int16_t(VirtualKey::A + (name[0] - 'a')), 0 };
    if (name.size() == 1 && isDigit(name[0]))
        return Key { std::int16_t(VirtualKey::Digit0 + (name[0] - '0')), 0 };
    if (name.size() == 4 && name.compare(0, 3, "KP_") == 0 && isDigit(name[3]))
        return Key { std::int16_t(VirtualKey::Numpad0 + (name[3] - '0')), 0 };
    return std::nullopt;
}

} // namespace ScenarioKeys
