// Zubrik: the main window: the stage, the jump, the counter and their buttons.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "core/MainWindowState.h"
#include "platform/FormWindow.h"
#include "platform/Timer.h"

#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>

struct GameState;
class KeyPreview;
class PictureBox;

namespace Ui {
class Form1;
}

class Form1 : public FormWindow
{
    Q_OBJECT

public:
    static constexpr int liveInterval = 20;
    static constexpr int codeEntryTarget = 1164523362;
    static constexpr double codeEntryMinimumCount = 30;

    explicit Form1(GameState &state);
    ~Form1() override;

    GameState &gameState() { return m_state; }
    MainWindowState &windowState() { return m_window; }
    const Ui::Form1 &widgets() const { return *m_ui; }
    Timer &timer() { return m_timer; }
    PictureBox *Bg(std::int16_t index) const;

    // Redraws Pic from the current game state.
    void FrameCompositor();

public Q_SLOTS:
    void Form_Load();
    void Cmd_jump_Click();
    void Timer_Timer();
    void Cmd_pause_Click();
    void Cmd_replay_Click();
    void Cmd_nikusel_Click();
    void Cmd_stgsel_Click();
    void Form_KeyDown(std::int16_t &keyCode, Qt::KeyboardModifiers shift);
    void Form_KeyUp(std::int16_t keyCode, Qt::KeyboardModifiers shift);

private:
    void CheckMilestone();
    double jumpCount() const;
    void setJumpButtonsEnabled(bool enabled);
    void describePicture();
    std::int16_t stageShown();

    GameState &m_state;
    MainWindowState m_window;
    std::unique_ptr<Ui::Form1> m_ui;
    std::array<PictureBox *, 4> m_bg {};
    Timer m_timer;
    KeyPreview *m_keyPreview = nullptr;
    QPointer<QWidget> m_focusBeforePause;
    // The stage and the character that Pic's description names.
    std::pair<std::int16_t, std::int32_t> m_described { -1, -1 };
};
