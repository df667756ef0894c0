// Zubrik: Qt's keys, modifiers and mouse buttons as the game's key and mouse handlers number them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtKeys.h"

#include "platform/VirtualKey.h"

#include <QHash>
#include <QKeyEvent>

namespace QtKeys {
namespace {

using namespace VirtualKey;

// Shifted symbols report the code of the key that carries them (US layout).
const QHash<int, std::int16_t> &table()
{
    static const QHash<int, std::int16_t> codes = {
        { Qt::Key_Backspace, 8 }, { Qt::Key_Tab, 9 }, { Qt::Key_Backtab, 9 },
        { Qt::Key_Clear, 12 }, { Qt::Key_Return, 13 }, { Qt::Key_Enter, 13 },
        { Qt::Key_Shift, 16 }, { Qt::Key_Control, 17 }, { Qt::Key_Alt, 18 },
        { Qt::Key_Pause, 19 }, { Qt::Key_CapsLock, 20 }, { Qt::Key_Escape, 27 },
        { Qt::Key_Space, 32 }, { Qt::Key_PageUp, 33 }, { Qt::Key_PageDown, 34 },
        { Qt::Key_End, 35 }, { Qt::Key_Home, 36 }, { Qt::Key_Left, Left }, { Qt::Key_Up, Up },
        { Qt::Key_Right, Right }, { Qt::Key_Down, Down }, { Qt::Key_Print, 44 },
        { Qt::Key_Insert, 45 }, { Qt::Key_Delete, 46 }, { Qt::Key_Help, 47 },
        { Qt::Key_Meta, 91 }, { Qt::Key_Menu, 93 }, { Qt::Key_NumLock, 144 },
        { Qt::Key_ScrollLock, 145 },
        { Qt::Key_Semicolon, 186 }, { Qt::Key_Colon, 186 }, { Qt::Key_Equal, 187 },
        { Qt::Key_Plus, 187 }, { Qt::Key_Comma, 188 }, { Qt::Key_Less, 188 },
        { Qt::Key_Minus, 189 }, { Qt::Key_Underscore, 189 }, { Qt::Key_Period, 190 },
        { Qt::Key_Greater, 190 }, { Qt::Key_Slash, 191 }, { Qt::Key_Question, 191 },
        { Qt::Key_QuoteLeft, 192 }, { Qt::Key_AsciiTilde, 192 }, { Qt::Key_BracketLeft, 219 },
        { Qt::Key_BraceLeft, 219 }, { Qt::Key_Backslash, 220 }, { Qt::Key_Bar, 220 },
        { Qt::Key_BracketRight, 221 }, { Qt::Key_BraceRight, 221 }, { Qt::Key_Apostrophe, 222 },
        { Qt::Key_QuoteDbl, 222 }, { Qt::Key_Exclam, '1' }, { Qt::Key_At, '2' },
        { Qt::Key_NumberSign, '3' }, { Qt::Key_Dollar, '4' }, { Qt::Key_Percent, '5' },
        { Qt::Key_AsciiCircum, '6' }, { Qt::Key_Ampersand, '7' }, { Qt::Key_Asterisk, '8' },
        { Qt::Key_ParenLeft, '9' }, { Qt::Key_ParenRight, '0' },
    };
    return codes;
}

} // namespace

std::int16_t fromQtKey(int qtKey, bool keypad)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return std::int16_t(96 + (qtKey - Qt::Key_0));
        switch (qtKey) {
        case Qt::Key_Asterisk: return 106;
        case Qt::Key_Plus: return 107;
        case Qt::Key_Minus: return 109;
        case Qt::Key_Period: return 110;
        case Qt::Key_Slash: return 111;
        default: break;
        }
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return std::int16_t(qtKey); // the toolkit numbers these by their ASCII capitals too
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return std::int16_t(112 + (qtKey - Qt::Key_F1));
    return table().value(qtKey, Unknown);
}

std::int16_t fromEvent(const QKeyEvent &event)
{
    return fromQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

std::int16_t shiftState(Qt::KeyboardModifiers modifiers)
{
    std::int16_t shift = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        shift += ShiftState::Shift;
    if (modifiers.testFlag(Qt::ControlModifier))
        shift += ShiftState::Ctrl;
    if (modifiers.testFlag(Qt::AltModifier))
        shift += ShiftState::Alt;
    return shift;
}

std::int16_t mouseButtons(Qt::MouseButtons buttons)
{
    std::int16_t sum = 0;
    if (buttons.testFlag(Qt::LeftButton))
        sum += MouseButton::Left;
    if (buttons.testFlag(Qt::RightButton))
        sum += MouseButton::Right;
    if (buttons.testFlag(Qt::MiddleButton))
        sum += MouseButton::Middle;
    return sum;
}

} // namespace QtKeys
