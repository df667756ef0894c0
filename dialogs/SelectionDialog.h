// Zubrik: what the character select and the stage select have in common.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Form.h"
#include "platform/PictureBox.h"

#include <array>
#include <cstdint>

class Form1;
struct GameState;

// A strip of choices in Picture1 with a name label under each, a description
// frame, and a title. Made afresh for every showing; a click on a choice
// stores it, redraws the main window and unloads the dialog; Escape or the
// close box leave the game as it was. The keyboard stands in for the mouse:
// Left, Right, Home and End move over the offered choices as the mouse would,
// Return or Space pick the one reached, a digit picks that choice.
class SelectionDialog : public Form
{
public:
    Label &Label1(std::int16_t index) const;

    virtual void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void Picture1_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) = 0;

    // The designed controls both dialogs have.
    PictureBox &Picture1;
    Label &Label2;
    Label &Label3;
    Label &Chara;
    Frame &Frame1;
    Line &Line1;

protected:
    SelectionDialog(const FormDesign &design, Form1 &mainWindow);

    // The dialog, its rule and its frame end where the strip ends.
    void fitToStrip();

    // Call once the strip is drawn: offers its choices to the keyboard and to
    // screen readers, named as their labels.
    void offerChoices();

    // Where choice i is drawn, in the strip's pixels. The keyboard aims the
    // mouse handlers at its centre.
    virtual PixelRect choiceRect(std::int16_t index) const = 0;
    // What the frame shows for choice i.
    virtual std::string choiceDescription(std::int16_t index) const = 0;

    bool Form_KeyPress(std::int16_t keyCode) override;

    // Dragged out of the strip with a button held, the mouse still reports to
    // it; past its right edge lies the place of a choice that is not offered.
    bool beyondStrip(float x) const;

    Form1 &m_mainWindow;
    GameState &m_state;

private:
    std::int16_t offeredCount() const;
    void hover(std::int16_t index);
    void pick(std::int16_t index);

    std::array<Label *, 4> m_label1 {};
};
