// Zubrik: the character select: pick the meat, and with it the gravity of the jump.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "dialogs/SelectionDialog.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class Form1;

namespace Ui {
class Form2;
}

// Made afresh for every showing: its load step draws the strip for the
// current hidden mode. A click on a character stores it, redraws the main
// window and unloads the dialog; Escape or the close box leave the game as it was.
class Form2 : public SelectionDialog
{
    Q_OBJECT

public:
    explicit Form2(Form1 &mainWindow);
    ~Form2() override;

    const Ui::Form2 &widgets() const { return *m_ui; }

    // The text shown in the frame while the mouse is over character i.
    static QString description(std::int16_t index);
    // The name under character i.
    static QString name(std::int16_t index);

public Q_SLOTS:
    void Form_Load();
    void Picture1_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x,
                            float y) override;
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x,
                            float y) override;

protected:
    QRect choiceRect(std::int16_t index) const override;
    QString choiceDescription(std::int16_t index) const override { return description(index); }

private:
    std::optional<std::int16_t> cellAt(float x, float y) const;

    std::unique_ptr<Ui::Form2> m_ui;
};
