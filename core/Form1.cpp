// Zubrik: the main window: the stage, the jump, the counter and their buttons.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Form1.h"

#include "core/FrameCompositor.h"
#include "core/GameState.h"
#include "core/Milestones.h"
#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "ending/Form4.h"
#include "assets/Designs.h"
#include "platform/Beep.h"
#include "platform/CommandButton.h"
#include "platform/Handler.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "platform/PictureBox.h"
#include "platform/Rounding.h"
#include "platform/RuntimeError.h"
#include "platform/VirtualKey.h"
#include "platform/WidgetArray.h"

#include <string>

namespace {

// The jump's constants, written as the twips they were laid out in.
constexpr double ground = 1800.0 / 15;
constexpr double riseLine = 1200.0 / 15;
constexpr double landingLine = 630.0 / 5;
constexpr double upperShadowLine = 1000.0 / 15;
constexpr double topShadowLine = 100.0 / 15;
constexpr std::int32_t clockStep = 2;

} // namespace

Form1::Form1(GameState &state)
    : Form(Designs::form1()), Cmd_nikusel(button("Cmd_nikusel")), Cmd_jump(button("Cmd_jump")),
      Cmd_stgsel(button("Cmd_stgsel")), Cmd_pause(button("Cmd_pause")),
      Cmd_replay(button("Cmd_replay")), Label1(label("Label1")), Lbl_count(label("Lbl_count")),
      Pic(pictureBox("Pic")), Niku(pictureBox("Niku")), NikuK(pictureBox("NikuK")),
      Kage(pictureBox("Kage")), Moji(pictureBox("Moji")), m_state(state)
{
    for (std::int16_t index = 0; index < 4; ++index)
        m_bg[std::size_t(index)] = &pictureBox("Bg", index);

    m_timer.setInterval(liveInterval);
    m_timer.onTimer([this] { Timer_Timer(); });
    Cmd_jump.onClick([this] { Cmd_jump_Click(); });
    Cmd_pause.onClick([this] { Cmd_pause_Click(); });
    Cmd_replay.onClick([this] { Cmd_replay_Click(); });
    Cmd_nikusel.onClick([this] { Cmd_nikusel_Click(); });
    Cmd_stgsel.onClick([this] { Cmd_stgsel_Click(); });

    // The start-up form loads before any event loop runs, inside no other
    // handler: its Load is a handler of its own. (The other forms load inside
    // the handler that shows them.)
    Handler::run([this] { Form_Load(); });
    Cmd_jump.setFocus();
}

Form1::~Form1() = default;

PictureBox &Form1::Bg(std::int16_t index) const
{
    return *WidgetArray::at(m_bg, index);
}

void Form1::Form_Load()
{
    m_window.hasRisen = 0;
    m_window.jumpTime = 0;
    m_state.launchSpeed = 75;
    m_state.gravity = 9.8;
    m_window.restartTime = 0;
    m_state.shadowFrameX = 92;
    m_window.pressCount = 0;
    m_state.paused = 0;
    m_state.hiddenMode = 0;
    for (std::int16_t index = 0; index < 4; ++index)
        Bg(index).setAutoSize(true);
    m_state.stageWidth = Bg(0).width();
    m_state.stageHeight = Rounding::toInt16(Bg(0).height());

    Pic.setWidth(m_state.stageWidth);
    Pic.setHeight(m_state.stageHeight);
    Pic.setLeft(0);
    Pic.setTop(0);
    Pic.setBorderStyle(0);

    setWidth(m_state.stageWidth);

    Niku.setAutoSize(true);
    Kage.setAutoSize(true);
    Moji.setAutoSize(true);
    NikuK.setAutoSize(true);
    m_state.charFrameX = 0;
    m_state.stageDc = Bg(0).hDC();
    m_state.charY = ground;
    FrameCompositor();
}

void Form1::FrameCompositor()
{
    // The window itself carries no drawing of its own; only Pic is cleared and drawn.
    describePicture();
    ::FrameCompositor::draw(m_state, { Pic, Kage.hDC(), Niku.hDC(), NikuK.hDC(), Moji.hDC(),
                                       m_timer.interval() });
}

// For a screen reader: what Pic shows, by the names the dialogs give.
void Form1::describePicture()
{
    const std::pair<std::int16_t, std::int32_t> shown { stageShown(), m_state.charFrameX };
    if (shown == m_described)
        return;
    m_described = shown;
    const std::int32_t character = m_state.charFrameX / 92;
    if (shown.first < 0 || m_state.charFrameX % 92 != 0 || character < 0 || character > 3)
        return; // nothing a dialog offers
    Pic.setAccessibleDescription("ステージ「" + Form3::name(shown.first) + "」、肉「"
                                 + Form2::name(std::int16_t(character)) + "」");
}

std::int16_t Form1::stageShown() const
{
    for (std::int16_t stage = 0; stage < 4; ++stage)
        if (Bg(stage).hDC() == m_state.stageDc)
            return stage;
    return -1;
}

double Form1::jumpCount() const
{
    return NumberText::toDouble(Lbl_count.caption());
}

void Form1::Cmd_jump_Click()
{
    if (m_window.pressCount == 1) {
        m_window.restartTime = m_window.jumpTime;
    } else if (m_window.pressCount == 0) {
        m_window.restartTime = 0;
        m_window.restartTimeKept = 0;
    }
    if (m_timer.interval() != ::FrameCompositor::replayInterval
        && (m_window.pressCount == 0 || m_window.pressCount == 1))
        m_window.jumpTime = 0;
    ++m_window.pressCount;
    m_timer.setEnabled(true);
    if (m_window.jumpTime == 0)
        Lbl_count.setCaption(NumberText::fromDouble(jumpCount() + 1));
    CheckMilestone();
}

void Form1::Timer_Timer()
{
    m_window.jumpTime += clockStep;
    const double t = m_window.jumpTime;

    // Kept in this order of double operations so every position is reproduced
    // to the last bit.
    const double a = m_state.charY * 15;
    const double b = m_state.launchSpeed * t;
    const double c = m_state.gravity / 2;
    const double d = t * t;
    const double e = c * d;
    const double f = b - e;
    const double h = a - f;
    m_state.charY = h / 15;

    if (m_state.charY <= upperShadowLine && m_state.charY >= topShadowLine)
        m_state.shadowFrameX = 0;
    else if (m_state.charY <= topShadowLine)
        m_state.shadowFrameX = 184;
    else
        m_state.shadowFrameX = 92;

    if (m_state.charY <= riseLine)
        m_window.hasRisen = 1;

    if (m_window.hasRisen == 1 && m_state.charY >= landingLine) {
        m_timer.setEnabled(false);
        m_window.jumpTime = 0;
        m_window.hasRisen = 0;
        m_state.charY = ground;
        m_window.pressCount = 0;
        if (m_timer.interval() == ::FrameCompositor::replayInterval) {
            m_window.restartTime = m_window.restartTimeKept;
            m_timer.setInterval(liveInterval);
        }
    }

    // A replay restarts the arc where the live jump's second press did.
    if (m_timer.interval() == ::FrameCompositor::replayInterval
        && m_window.restartTime == m_window.jumpTime) {
        m_window.jumpTime = 0;
        m_window.restartTimeKept = Rounding::toInt16(m_window.restartTime);
        m_window.restartTime = 0;
    }

    FrameCompositor();
}

void Form1::setJumpButtonsEnabled(bool enabled)
{
    Cmd_nikusel.setEnabled(enabled);
    Cmd_jump.setEnabled(enabled);
    Cmd_stgsel.setEnabled(enabled);
    Cmd_replay.setEnabled(enabled);
}

void Form1::Cmd_pause_Click()
{
    if (m_window.jumpTime == 0)
        return;
    if (m_timer.enabled()) {
        // While paused the pause button holds the focus, so the key that
        // activates buttons resumes; the focus goes back where it was after.
        m_focusBeforePause = activeControl();
        m_timer.setEnabled(false);
        m_state.paused = 1;
        Cmd_pause.setCaption("再生");
        setJumpButtonsEnabled(false);
        Cmd_pause.setFocus();
        FrameCompositor();
        Pic.Refresh();
    } else {
        m_state.paused = 0;
        setJumpButtonsEnabled(true);
        Cmd_pause.setCaption("一時停止");
        m_timer.setEnabled(true);
        if (m_focusBeforePause && m_focusBeforePause->enabled())
            m_focusBeforePause->setFocus();
        m_focusBeforePause = nullptr;
    }
}

void Form1::Cmd_replay_Click()
{
    if (m_timer.enabled())
        return;
    m_timer.setInterval(::FrameCompositor::replayInterval);
    m_timer.setEnabled(true);
}

// The dialogs store the choice and redraw themselves; once a show returns,
// nothing here may be touched.
void Form1::Cmd_nikusel_Click()
{
    Form2 dialog(*this);
    dialog.showModal();
}

void Form1::Cmd_stgsel_Click()
{
    Form3 dialog(*this);
    dialog.showModal();
}

void Form1::Form_KeyDown(std::int16_t &keyCode, std::int16_t)
{
    if (jumpCount() < codeEntryMinimumCount)
        return;
    if (m_state.paused != 1)
        return;
    // Only an overflow of the append can fail here; it starts the code afresh.
    try {
        auto append = [this](char digit) {
            m_window.codeEntry =
                NumberText::toInt32(std::to_string(m_window.codeEntry) + digit);
        };
        switch (keyCode) {
        case VirtualKey::Up: m_window.codeEntry = (m_window.codeEntry == 1) ? 11 : 1; break;
        case VirtualKey::Down: append('2'); break;
        case VirtualKey::Left: append('3'); break;
        case VirtualKey::Right: append('4'); break;
        case VirtualKey::B: append('5'); break;
        case VirtualKey::A: append('6'); break;
        default: m_window.codeEntry = keyCode; break;
        }
    } catch (const RuntimeError &) {
        m_window.codeEntry = 0;
    }
}

void Form1::Form_KeyUp(std::int16_t, std::int16_t)
{
    if (m_state.paused == 1 && m_window.codeEntry == codeEntryTarget) {
        m_state.hiddenMode = 1;
        Beep::ring();
    }
}

void Form1::CheckMilestone()
{
    const Milestone *milestone = Milestones::find(jumpCount());
    if (!milestone)
        return;
    MessageBox::show(milestone->prompt, milestone->title);
    if (milestone->count == Milestones::finalCount) {
        // Its button closes this window too: nothing of this window may be
        // touched once the show returns.
        Form4 ending(*this);
        ending.showModal();
    }
}
