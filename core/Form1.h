// Zubrik: the main window: the stage, the jump, the counter and their buttons.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "core/MainWindowState.h"
#include "platform/Form.h"
#include "platform/Timer.h"

#include <array>
#include <cstdint>
#include <utility>

struct GameState;

class Form1 : public Form
{
public:
    static constexpr int liveInterval = 20;
    static constexpr std::int32_t codeEntryTarget = 1164523362;
    static constexpr double codeEntryMinimumCount = 30;

    // Made from its design, and loaded (Form_Load) at once, before any event
    // loop runs.
    explicit Form1(GameState &state);
    ~Form1() override;

    GameState &gameState() { return m_state; }
    MainWindowState &windowState() { return m_window; }
    Timer &timer() { return m_timer; }
    PictureBox &Bg(std::int16_t index) const;

    // Redraws Pic from the current game state.
    void FrameCompositor();
    // The index of the Bg picture the stage shows, or -1.
    std::int16_t stageShown() const;

    void Form_Load();
    void Cmd_jump_Click();
    void Timer_Timer();
    void Cmd_pause_Click();
    void Cmd_replay_Click();
    void Cmd_nikusel_Click();
    void Cmd_stgsel_Click();
    void Form_KeyDown(std::int16_t &keyCode, std::int16_t shift) override;
    void Form_KeyUp(std::int16_t keyCode, std::int16_t shift) override;

    // The designed controls.
    CommandButton &Cmd_nikusel;
    CommandButton &Cmd_jump;
    CommandButton &Cmd_stgsel;
    CommandButton &Cmd_pause;
    CommandButton &Cmd_replay;
    Label &Label1;
    Label &Lbl_count;
    PictureBox &Pic;
    PictureBox &Niku;
    PictureBox &NikuK;
    PictureBox &Kage;
    PictureBox &Moji;

private:
    void CheckMilestone();
    double jumpCount() const;
    void setJumpButtonsEnabled(bool enabled);
    void describePicture();

    GameState &m_state;
    MainWindowState m_window;
    std::array<PictureBox *, 4> m_bg {};
    Timer m_timer;
    Control *m_focusBeforePause = nullptr;
    // The stage and the character that Pic's description names.
    std::pair<std::int16_t, std::int32_t> m_described { -1, -1 };
};
