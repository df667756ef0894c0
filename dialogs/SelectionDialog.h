// Zubrik: what the character select and the stage select have in common.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/FormWindow.h"

#include <array>
#include <cstdint>

class AutoSizeLabel;
class Form1;
class LineControl;
class PictureBox;
struct GameState;

// A strip of choices in Picture1 with a name label under each, a description
// frame, and a title. Made afresh for every showing; a click on a choice
// stores it, redraws the main window and unloads the dialog; Escape or the
// close box leave the game as it was. The keyboard stands in for the mouse:
// Left, Right, Home and End move over the offered choices as the mouse would,
// Return, Enter or Space pick the one reached, a digit picks that choice.
class SelectionDialog : public FormWindow
{
    Q_OBJECT

public:
    static constexpr double titlePoints = 15.75;

    AutoSizeLabel *Label1(std::int16_t index) const;

public Q_SLOTS:
    virtual void Picture1_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x,
                                    float y) = 0;
    virtual void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x,
                                    float y) = 0;

protected:
    explicit SelectionDialog(Form1 &mainWindow);

    // Call right after the design is set up: the title's size, the fonts, the
    // name labels and the strip's mouse.
    void setUpDesign(AutoSizeLabel *title, const std::array<AutoSizeLabel *, 4> &names,
                     PictureBox *strip);

    // The dialog, its rule and its frame end where the strip ends.
    void fitToStrip(const PictureBox *strip, LineControl *line, QWidget *frame);

    // Call once the strip is drawn: offers its choices to the keyboard and to
    // screen readers, named as their labels.
    void offerChoices();

    // Where choice i is drawn, in the strip's pixels. The keyboard aims the
    // mouse handlers at its centre.
    virtual QRect choiceRect(std::int16_t index) const = 0;
    // What the frame shows for choice i.
    virtual QString choiceDescription(std::int16_t index) const = 0;

    void keyPressEvent(QKeyEvent *event) override;

    // Dragged out of the strip with a button held, the mouse still reports to
    // it; past its right edge lies the place of a choice that is not offered.
    static bool beyondStrip(const PictureBox *strip, float x);

    Form1 &m_mainWindow;
    GameState &m_state;

private:
    std::int16_t offeredCount() const;
    QPointF aimAt(std::int16_t index) const;
    void hover(std::int16_t index);
    void pick(std::int16_t index);

    std::array<AutoSizeLabel *, 4> m_label1 {};
    PictureBox *m_strip = nullptr;
};
