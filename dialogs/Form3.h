// Zubrik: the stage select: pick the stage, and with it the launch speed of the jump.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "dialogs/SelectionDialog.h"

#include <cstdint>
#include <optional>
#include <string>

// Made afresh for every showing: its load step draws the thumbnails for the
// current hidden mode. A click on a stage stores it, redraws the main window
// and unloads the dialog; Escape or the close box leave the game as it was.
class Form3 : public SelectionDialog
{
public:
    explicit Form3(Form1 &mainWindow);
    ~Form3() override;

    // The text shown in the frame while the mouse is over stage i.
    static std::string description(std::int16_t index);
    // The name under stage i.
    static std::string name(std::int16_t index);
    // The launch speed of the jump on stage i.
    static double launchSpeed(std::int16_t index);

    void Form_Load();
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Picture1_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;

protected:
    PixelRect choiceRect(std::int16_t index) const override;
    std::string choiceDescription(std::int16_t index) const override { return description(index); }

private:
    std::optional<std::int16_t> thumbnailAt(float x) const;
};
