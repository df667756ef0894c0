// Zubrik: the character select: pick the meat, and with it the gravity of the jump.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "dialogs/SelectionDialog.h"

#include <cstdint>
#include <optional>
#include <string>

// Made afresh for every showing: its load step draws the strip for the
// current hidden mode. A click on a character stores it, redraws the main
// window and unloads the dialog; Escape or the close box leave the game as it was.
class Form2 : public SelectionDialog
{
public:
    explicit Form2(Form1 &mainWindow);
    ~Form2() override;

    // The text shown in the frame while the mouse is over character i.
    static std::string description(std::int16_t index);
    // The name under character i.
    static std::string name(std::int16_t index);
    // The gravity of the jump with character i.
    static double gravity(std::int16_t index);

    void Form_Load();
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Picture1_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;

protected:
    PixelRect choiceRect(std::int16_t index) const override;
    std::string choiceDescription(std::int16_t index) const override { return description(index); }

private:
    std::optional<std::int16_t> cellAt(float x, float y) const;
};
