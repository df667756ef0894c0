// Zubrik: helpers for the windows' rules tests: modal shows, the mouse in pixels, keys by name, expected pixels.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "PictureFiles.h"

#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "platform/VirtualKey.h"
#include "platform/headless/HeadlessToolkit.h"

#include <cmath>
#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

namespace DialogDriver {

// Acts on the dialog of type Dialog inside its modal show. Whatever `act`
// does, the toolkit closes a dialog still loaded afterwards, as its close box
// would. `seen` tells whether such a dialog came up at all.
template<class Dialog>
void whileShown(HeadlessToolkit &toolkit, std::function<void(Dialog &)> act, bool &seen)
{
    seen = false;
    toolkit.onModal = [act, &seen](Form &form) {
        if (auto *dialog = dynamic_cast<Dialog *>(&form)) {
            seen = true;
            act(*dialog);
        }
    };
}

// The mouse over a picture box at a pixel of its client area, as a backend
// reports it: in twips.
inline void moveTo(PictureBox &box, int x, int y, std::int16_t buttons = 0)
{
    box.mouseMove(buttons, 0, float(x * Twips::perPixel), float(y * Twips::perPixel));
}

inline void pressAt(PictureBox &box, int x, int y, std::int16_t button)
{
    box.mouseDown(button, 0, float(x * Twips::perPixel), float(y * Twips::perPixel));
}

// Keys by the names a player reads on them: "Left", "End", "3", "K3" (the keypad's 3).
inline std::int16_t keyCode(const std::string &name)
{
    if (name == "Left") return VirtualKey::Left;
    if (name == "Right") return VirtualKey::Right;
    if (name == "Home") return VirtualKey::Home;
    if (name == "End") return VirtualKey::End;
    if (name == "Return") return VirtualKey::Return;
    if (name == "Space") return VirtualKey::Space;
    if (name == "Escape") return VirtualKey::Escape;
    if (name == "Up") return VirtualKey::Up;
    if (name == "A") return VirtualKey::A;
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9')
        return std::int16_t(VirtualKey::Digit0 + (name[0] - '0'));
    if (name.size() == 2 && name[0] == 'K') // a digit of the keypad
        return std::int16_t(VirtualKey::Numpad0 + (name[1] - '0'));
    throw std::invalid_argument("no such key: " + name);
}

// Each key of a list separated by blanks, as the dialog gets it.
inline void press(Form &dialog, const std::string &keys)
{
    std::size_t at = 0;
    while (at < keys.size()) {
        const std::size_t end = std::min(keys.find(' ', at), keys.size());
        if (end > at)
            dialog.keyPress(keyCode(keys.substr(at, end - at)));
        at = end + 1;
    }
}

// A picture as shipped in the source tree, read apart from the game's copy.
inline const Image &sheet(const std::string &name)
{
    static std::map<std::string, Image> loaded;
    auto found = loaded.find(name);
    if (found == loaded.end())
        found = loaded.emplace(name, PictureFiles::load(name)).first;
    return found->second;
}

inline Image crop(const Image &source, int x, int y, int width, int height)
{
    Image out(width, height);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            out.setPixel(column, row, source.pixel(x + column, y + row));
    return out;
}

// Nearest-neighbour reduction or enlargement, sampling each target pixel's centre.
inline Image nearest(const Image &source, int width, int height)
{
    Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.setPixel(x, y,
                         source.pixel(int(std::floor((x + 0.5) * source.width() / width)),
                                      int(std::floor((y + 0.5) * source.height() / height))));
    return out;
}

// (background AND mask) OR sprite at (atX, atY), clipped to the target.
inline void paintMasked(Image &target, int atX, int atY, const Image &sprite, const Image &mask)
{
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x) {
            const int px = atX + x;
            const int py = atY + y;
            if (px >= 0 && py >= 0 && px < target.width() && py < target.height())
                target.setPixel(px, py, (target.pixel(px, py) & mask.pixel(x, y)) | sprite.pixel(x, y));
        }
}

// Every pixel under the black of the mask shows the sprite: the sheet cell
// (cellX, 0, width, height) with its mask below it is what `frame` shows at (atX, atY).
inline bool showsSprite(const Image &frame, int atX, int atY, const Image &sheet, int cellX,
                        int width, int height)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (sheet.pixel(cellX + x, height + y) == Image::rgb(0, 0, 0)
                && frame.pixel(atX + x, atY + y) != sheet.pixel(cellX + x, y))
                return false;
    return true;
}

} // namespace DialogDriver
