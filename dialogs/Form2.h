// Zubrik: the character select: pick the meat, and with it the gravity of the jump.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/FormWindow.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class AutoSizeLabel;
class Form1;
struct GameState;

namespace Ui {
class Form2;
}

// Made afresh for every showing: its load step draws the strip for the
// current hidden mode. A click on a character stores it, redraws the main
// window and unloads the dialog; Escape or the close box leave the game as it was.
class Form2 : public FormWindow
{
    Q_OBJECT

public:
    static constexpr double titlePoints = 15.75;

    explicit Form2(Form1 &mainWindow);
    ~Form2() override;

    const Ui::Form2 &widgets() const { return *m_ui; }
    AutoSizeLabel *Label1(std::int16_t index) const;

    // The text shown in the frame while the mouse is over character i.
    static QString description(std::int16_t index);

public Q_SLOTS:
    void Form_Load();
    void Picture1_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

private:
    std::optional<std::int16_t> cellAt(float x, float y) const;

    Form1 &m_mainWindow;
    GameState &m_state;
    std::unique_ptr<Ui::Form2> m_ui;
    std::array<AutoSizeLabel *, 4> m_label1 {};
};
