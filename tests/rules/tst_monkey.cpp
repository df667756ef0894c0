// Zubrik: random play: long seeded runs of clicks, ticks, keys and dialogs, checked after every action.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
// How to choose the runs: MonkeyMain.cpp.
#include "ExpectedFrame.h"
#include "GameDriver.h"
#include "MonkeyDialogs.h"
#include "MonkeyDice.h"
#include "MonkeyKeys.h"
#include "MonkeyRun.h"

#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <deque>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

namespace {

constexpr std::int32_t codeTarget = 1164523362;
constexpr double milestones[] = { 10, 50, 100, 300, 1000, 3000, 5000, 10000, 10100, 11000, 100000, 999999 };
// Counts a game may start from, so that every milestone below the last comes
// up and the key code can be typed early; all far below 999999.
constexpr int presets[] = { 25, 45, 95, 295, 995, 2995, 4995, 9995, 10095, 10995, 99995 };

bool isMilestone(double count)
{
    return std::find(std::begin(milestones), std::end(milestones), count) != std::end(milestones);
}

std::string number(double value)
{
    std::ostringstream text;
    text.precision(17);
    text << value;
    return text.str();
}

} // namespace

using namespace MonkeyKeys;

// One seeded run over as many fresh games as it takes.
class Monkey : public MonkeyHost
{
public:
    explicit Monkey(std::uint64_t seed) : m_seed(seed), m_dice(seed) {}

    // Empty on success, else what went wrong and how to see it again.
    std::string run(long actions)
    {
        m_total = actions;
        while (m_done < actions && m_failure.empty()) {
            if (!m_game || m_gameLeft <= 0)
                newGame();
            act();
            check();
        }
        endGame();
        if (m_failure.empty())
            return {};
        std::string report = "seed " + std::to_string(m_seed) + ", action " + std::to_string(m_done)
            + " of game " + std::to_string(stats.games) + ": " + m_failure + "\nlast actions:\n";
        for (const std::string &line : m_log)
            report += "  " + line + "\n";
        return report + "replay: tst_monkey " + std::to_string(m_seed) + " " + std::to_string(m_done);
    }

    // MonkeyHost: what the dialog driver needs of the run.
    MonkeyDice &dice() override { return m_dice; }
    GameDriver &game() override { return *m_game; }
    bool wantsMore() override { return m_failure.empty() && m_done < m_total; }
    void note(const std::string &action) override
    {
        ++m_done;
        m_log.push_back(std::to_string(m_done) + " " + action);
        if (m_log.size() > 25)
            m_log.pop_front();
    }
    void fail(const std::string &what) override
    {
        if (m_failure.empty())
            m_failure = what;
    }
    void tick() override
    {
        Form1 &form = *m_game->form;
        if (!form.timer().enabled())
            return; // time passes; a stopped timer does not tick
        ++stats.ticks;
        m_game->tick();
        m_drawn = inputsNow();
        if (!form.timer().enabled() && m_game->state.paused == 0)
            m_replaying = false; // landed
    }
    void redrawn() override { m_drawn = inputsNow(); }

    void check() override
    {
        GameDriver &g = *m_game;
        const GameState &s = g.state;
        const MainWindowState &w = g.form->windowState();
        Form1 &form = *g.form;
        const Timer &timer = form.timer();
        auto expect = [this](bool ok, const std::string &what) {
            if (!ok)
                fail(what);
        };

        // A run-time error anywhere would have shown its box and asked to quit.
        expect(g.toolkit.exitCode() == -1, "the game asked to quit with " + std::to_string(g.toolkit.exitCode()));
        expect(form.isLoaded(), "the main window was unloaded");

        const double count = counter();
        expect(count == m_lastCount || count == m_lastCount + 1,
               "counter went from " + number(m_lastCount) + " to " + number(count));
        expect(count < 999999, "counter reached the end");
        m_lastCount = count;
        stats.maxCount = std::max(stats.maxCount, count);

        const auto &boxes = g.toolkit.messages();
        expect(int(boxes.size()) == m_expectedBoxes,
               std::to_string(boxes.size()) + " boxes shown, " + std::to_string(m_expectedBoxes)
                   + " expected; last: " + (boxes.empty() ? "" : boxes.back().title + " | " + boxes.back().prompt));
        expect(g.toolkit.beeps() == m_beeps,
               std::to_string(g.toolkit.beeps()) + " beeps, " + std::to_string(m_beeps) + " expected");
        expect(w.codeEntry == m_code,
               "codeEntry " + std::to_string(w.codeEntry) + ", expected " + std::to_string(m_code));
        expect(s.hiddenMode == (m_hidden ? 1 : 0), "hiddenMode is " + std::to_string(s.hiddenMode));

        const int interval = timer.interval();
        expect(interval == 20 || interval == 150, "interval " + std::to_string(interval));
        expect((interval == 150) == m_replaying,
               "interval " + std::to_string(interval) + (m_replaying ? " in" : " outside") + " a replay");
        expect(w.jumpTime >= 0 && w.jumpTime <= 120,
               "jump clock at " + std::to_string(w.jumpTime) + ": a flight that does not land");
        expect(s.paused == 0 || s.paused == 1, "paused is " + std::to_string(s.paused));

        const CommandButton *others[] = { &form.Cmd_jump, &form.Cmd_replay, &form.Cmd_nikusel, &form.Cmd_stgsel };
        const bool allOthers = std::all_of(std::begin(others), std::end(others), [](auto *b) { return b->enabled(); });
        const bool noOthers = std::none_of(std::begin(others), std::end(others), [](auto *b) { return b->enabled(); });
        if (s.paused == 1) {
            expect(!timer.enabled() && w.jumpTime != 0, "paused with the timer on or the clock at 0");
            expect(form.Cmd_pause.enabled() && noOthers, "paused, but buttons other than pause usable");
            expect(form.Cmd_pause.caption() == "再生", "paused, caption " + form.Cmd_pause.caption());
            expect(form.activeControl() == &form.Cmd_pause, "paused, but the focus is not on the pause button");
        } else {
            expect(form.Cmd_pause.enabled() && allOthers, "not paused, but a button disabled");
            expect(form.Cmd_pause.caption() == "一時停止", "running, caption " + form.Cmd_pause.caption());
            if (!timer.enabled())
                expect(w.jumpTime == 0 && w.pressCount == 0 && w.hasRisen == 0 && s.charY == 120.0 && interval == 20,
                       "standing with t=" + std::to_string(w.jumpTime) + " presses=" + std::to_string(w.pressCount)
                           + " risen=" + std::to_string(w.hasRisen) + " y=" + number(s.charY)
                           + " interval=" + std::to_string(interval));
        }

        if (m_drawn != m_expectedFor) {
            m_expected = m_frames.compose(m_drawn);
            m_expectedFor = m_drawn;
        }
        if (g.frame() != m_expected)
            fail("Pic differs from the frame of y=" + number(m_drawn.charY) + " shadow="
                 + std::to_string(m_drawn.shadowFrameX) + " char=" + std::to_string(m_drawn.charFrameX)
                 + " stage=" + std::to_string(m_drawn.stage) + " paused=" + std::to_string(m_drawn.paused)
                 + " interval=" + std::to_string(m_drawn.interval) + ": "
                 + firstDifference(g.frame(), m_expected));
    }

private:
    struct AtPress
    {
        double count;
        std::int32_t pressCount, jumpTime;
        bool timerOn;
        int interval;
        std::int16_t paused;
    };

    double counter() const
    {
        try {
            return NumberText::toDouble(m_game->counter());
        } catch (const RuntimeError &) {
            return -1;
        }
    }

    FrameInputs inputsNow()
    {
        const GameState &s = m_game->state;
        FrameInputs in { s.charFrameX, -1, s.charY, s.shadowFrameX, s.paused, m_game->form->timer().interval() };
        for (std::int16_t i = 0; i < 4; ++i)
            if (m_game->form->Bg(i).hDC() == s.stageDc)
                in.stage = i;
        if (in.stage < 0) {
            fail("stageDc is no stage picture");
            in.stage = 0;
        }
        return in;
    }

    AtPress atPress() const
    {
        Form1 &form = *m_game->form;
        return { counter(), form.windowState().pressCount, form.windowState().jumpTime,
                 form.timer().enabled(), form.timer().interval(), m_game->state.paused };
    }

    void endGame()
    {
        if (m_game && m_hidden)
            ++stats.hiddenGames;
        m_dialogs.reset();
        m_game.reset(); // its toolkit goes before the next one is installed
    }

    void newGame()
    {
        endGame();
        m_game = std::make_unique<GameDriver>();
        ++stats.games;
        m_gameLeft = 500 + m_dice.below(4500);
        const int preset = m_dice.chance(0.5) ? 0 : presets[m_dice.below(std::size(presets))];
        m_game->setCounter(std::to_string(preset));
        m_lastCount = preset;
        m_expectedBoxes = 0;
        m_beeps = 0;
        m_code = 0;
        m_hidden = false;
        m_replaying = false;
        m_codeAt = 0;
        m_drawn = inputsNow();
        m_dialogs = std::make_unique<MonkeyDialogs>(*this);
        check();
    }

    // A click as the button gets it: a disabled one takes none. The effects
    // are checked once its handler has run (any dialog it opened has gone).
    void press(CommandButton &button)
    {
        Form1 &form = *m_game->form;
        const bool takes = button.enabled() && button.visible();
        m_atPress = atPress();
        button.click();
        if (!takes)
            return;
        if (&button == &form.Cmd_jump) {
            jumped();
        } else if (&button == &form.Cmd_pause) {
            if (m_game->state.paused == 1 && m_atPress.paused == 0) {
                ++stats.pauses;
                redrawn();
            }
            if (m_atPress.jumpTime == 0 && m_game->state.paused != m_atPress.paused)
                fail("pause worked with the clock at 0");
        } else if (&button == &form.Cmd_replay) {
            if (!m_atPress.timerOn) {
                ++stats.replays;
                m_replaying = true;
            } else if (form.timer().interval() != m_atPress.interval) {
                fail("replay during a flight changed the interval");
            }
        }
    }

    void jumped()
    {
        ++stats.presses;
        const AtPress &p = m_atPress;
        const bool counts = p.jumpTime == 0 || (p.interval != 150 && p.pressCount <= 1);
        const double now = counter();
        if (now != p.count + (counts ? 1 : 0))
            fail("press from " + number(p.count) + " (t=" + std::to_string(p.jumpTime) + ", presses="
                 + std::to_string(p.pressCount) + ", interval=" + std::to_string(p.interval)
                 + ") left the counter at " + number(now));
        if (m_game->form->windowState().pressCount != p.pressCount + 1 || !m_game->form->timer().enabled())
            fail("press did not count itself or start the timer");
        if (isMilestone(now)) {
            ++m_expectedBoxes;
            ++stats.boxes;
            const auto &boxes = m_game->toolkit.messages();
            const std::string title = std::to_string(long(now)) + "回おめでとう";
            if (int(boxes.size()) < m_expectedBoxes || boxes[std::size_t(m_expectedBoxes - 1)].title != title)
                fail("at " + number(now) + " the box was not '" + title + "'");
        }
    }

    void act()
    {
        --m_gameLeft;
        const GameState &s = m_game->state;
        // Typing the code by chance would take ages; once it has worked in
        // this game, keys are random again.
        if (s.paused == 1 && !m_hidden && counter() >= 30 && m_dice.chance(0.75)) {
            typeKey(keys[codeKeys[m_codeAt]]);
            m_codeAt = (m_codeAt + 1) % int(std::size(codeKeys));
            return;
        }
        Form1 &form = *m_game->form;
        const int roll = m_dice.below(1000);
        if (roll < 420) {
            note("tick");
            tick();
        } else if (roll < 590) {
            clickMain(form.Cmd_jump, "jump");
        } else if (roll < 680) {
            clickMain(form.Cmd_pause, "pause");
        } else if (roll < 730) {
            clickMain(form.Cmd_replay, "replay");
        } else if (roll < 745) {
            clickMain(form.Cmd_nikusel, "character select");
        } else if (roll < 760) {
            clickMain(form.Cmd_stgsel, "stage select");
        } else {
            typeKey(keys[m_dice.below(std::size(keys))]);
        }
    }

    void clickMain(CommandButton &button, const char *name)
    {
        m_codeAt = 0;
        note(std::string("click ") + name + (button.enabled() ? "" : " (disabled)"));
        press(button);
    }

    // A press and a release to the window, which sees every key first. The
    // desktop's part is played here: Tab moves the focus along the tab order,
    // Space and Return click the focused button once released.
    void typeKey(const Key &key)
    {
        if (&key != &keys[codeKeys[m_codeAt]])
            m_codeAt = 0;
        ++stats.keys;
        note("key " + std::to_string(key.code));
        Form1 &form = *m_game->form;
        if (counter() >= 30 && m_game->state.paused == 1)
            m_code = nextCode(m_code, key.code);
        form.keyDown(key.code, key.shift);
        if (m_game->state.paused == 1 && m_code == codeTarget) {
            m_hidden = true;
            ++m_beeps;
        }
        form.keyUp(key.code, key.shift);
        if (key.code == tab) {
            moveFocus(form);
        } else if (key.code == VirtualKey::Space || key.code == VirtualKey::Return) {
            if (auto *button = dynamic_cast<CommandButton *>(form.activeControl()))
                press(*button);
        }
    }

    // To the next control of the tab order that can take the focus.
    static void moveFocus(Form1 &form)
    {
        const auto &order = form.tabOrder();
        const Control *focused = form.activeControl();
        std::size_t at = 0;
        while (at < order.size() && (!focused || order[at] != focused->fullName()))
            ++at;
        for (std::size_t step = 1; step <= order.size(); ++step) {
            Control &next = form.control(order[(at + step) % order.size()]);
            if (next.enabled() && next.visible()) {
                next.setFocus();
                return;
            }
        }
    }

    std::uint64_t m_seed;
    MonkeyDice m_dice;
    long m_total = 0;
    long m_done = 0;
    std::string m_failure;
    std::deque<std::string> m_log;

    std::unique_ptr<GameDriver> m_game;
    std::unique_ptr<MonkeyDialogs> m_dialogs;
    int m_gameLeft = 0;
    double m_lastCount = 0;
    int m_expectedBoxes = 0;
    int m_beeps = 0;
    std::int32_t m_code = 0;
    bool m_hidden = false;
    bool m_replaying = false;
    int m_codeAt = 0;
    AtPress m_atPress {};

    ExpectedFrame m_frames;
    FrameInputs m_drawn;
    FrameInputs m_expectedFor { -1 };
    Image m_expected;
};

TEST_CASE("random play")
{
    const MonkeyRun &run = MonkeyRun::settings();
    for (const std::uint64_t seed : run.seeds) {
        CAPTURE(seed);
        Monkey monkey(seed);
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        const std::string failure = monkey.run(run.actions);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // On a shared machine the wall clock says more about the neighbours.
        const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const MonkeyStats &s = monkey.stats;
        std::printf("seed %llu: %ld actions in %.1f s, %.1f s of CPU (%.0f actions/s, %.0f per CPU second); "
                    "%ld games, %ld ticks, %ld presses, %ld boxes, %ld pauses, %ld replays, %ld keys, "
                    "%ld dialogs (%ld picks, %ld closed), hidden mode in %ld games, highest count %.0f\n",
                    static_cast<unsigned long long>(seed), run.actions, seconds, cpuSeconds,
                    run.actions / seconds, run.actions / std::max(cpuSeconds, 1e-9), s.games, s.ticks,
                    s.presses, s.boxes, s.pauses, s.replays, s.keys, s.dialogs, s.picks, s.closed,
                    s.hiddenGames, s.maxCount);
        std::fflush(stdout);
        CHECK_MESSAGE(failure.empty(), failure);
    }
}
