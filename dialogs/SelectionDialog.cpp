// Zubrik: what the character select and the stage select have in common.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "dialogs/SelectionDialog.h"

#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/Rounding.h"
#include "platform/Twips.h"
#include "platform/VirtualKey.h"
#include "platform/WidgetArray.h"

#include <algorithm>

using Rounding::toInt16;

SelectionDialog::SelectionDialog(const FormDesign &design, Form1 &mainWindow)
    : Form(design), Picture1(pictureBox("Picture1")), Label2(label("Label2")),
      Label3(label("Label3")), Chara(label("Chara")), Frame1(frame("Frame1")),
      Line1(line("Line1")), m_mainWindow(mainWindow), m_state(mainWindow.gameState())
{
    for (std::int16_t index = 0; index < 4; ++index)
        m_label1[std::size_t(index)] = &label("Label1", index);
    // The strip holds the focus, so that a screen reader follows the choice
    // the keyboard reaches in it.
    Picture1.setTabStop(true);
    Picture1.setFocus();
    Picture1.onMouseMove([this](std::int16_t button, std::int16_t shift, float x, float y) {
        Picture1_MouseMove(button, shift, x, y);
    });
    Picture1.onMouseDown([this](std::int16_t button, std::int16_t shift, float x, float y) {
        Picture1_MouseDown(button, shift, x, y);
    });
}

Label &SelectionDialog::Label1(std::int16_t index) const
{
    return *WidgetArray::at(m_label1, index);
}

void SelectionDialog::fitToStrip()
{
    const std::int16_t s = toInt16(double(Picture1.left()) + double(Picture1.width()));
    setWidth(toInt16(s + 200));
    Line1.setX2(s);
    Frame1.setWidth(toInt16(s - 120));
}

bool SelectionDialog::beyondStrip(float x) const
{
    return x >= Picture1.width();
}

std::int16_t SelectionDialog::offeredCount() const
{
    // One choice per pitch of the strip.
    return std::int16_t(m_state.hiddenMode + 3);
}

void SelectionDialog::offerChoices()
{
    std::vector<PictureBox::Choice> choices;
    for (std::int16_t i = 0; i < offeredCount(); ++i) {
        std::string description = choiceDescription(i);
        for (std::size_t at; (at = description.find("\r\n")) != std::string::npos;)
            description.replace(at, 2, "\n");
        choices.push_back({ Label1(i).caption(), description, choiceRect(i) });
    }
    Picture1.setChoices(choices);
    Picture1.setAccessibleName(caption());
}

void SelectionDialog::hover(std::int16_t index)
{
    Picture1.setMarkedChoice(index);
    const PixelRect cell = choiceRect(index);
    Picture1_MouseMove(0, 0, float((cell.x + cell.width / 2.0) * Twips::perPixel),
                       float((cell.y + cell.height / 2.0) * Twips::perPixel));
}

void SelectionDialog::pick(std::int16_t index)
{
    const PixelRect cell = choiceRect(index);
    Picture1_MouseDown(MouseButton::Left, 0, float((cell.x + cell.width / 2.0) * Twips::perPixel),
                       float((cell.y + cell.height / 2.0) * Twips::perPixel));
}

bool SelectionDialog::Form_KeyPress(std::int16_t keyCode)
{
    const int last = offeredCount() - 1;
    const int marked = Picture1.markedChoice();
    switch (keyCode) {
    case VirtualKey::Left:
        hover(std::int16_t(std::max(0, marked - 1)));
        return true;
    case VirtualKey::Right:
        // The first step lands on the first choice.
        hover(std::int16_t(marked < 0 ? 0 : std::min(last, marked + 1)));
        return true;
    case VirtualKey::Home:
        hover(0);
        return true;
    case VirtualKey::End:
        hover(std::int16_t(last));
        return true;
    case VirtualKey::Return:
    case VirtualKey::Space:
        if (marked >= 0)
            pick(std::int16_t(marked));
        return true;
    case VirtualKey::Escape:
        // The close box's twin: the dialog goes, the game stays as it was.
        unload();
        return true;
    default:
        break;
    }
    for (const std::int16_t first : { std::int16_t(VirtualKey::Digit0 + 1), std::int16_t(VirtualKey::Numpad0 + 1) }) {
        if (keyCode >= first && keyCode < first + 4) {
            if (keyCode - first <= last)
                pick(std::int16_t(keyCode - first));
            return true;
        }
    }
    return false;
}
