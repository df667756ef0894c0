// Zubrik: random play inside the two selection dialogs, from within their modal shows.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "GameDriver.h"
#include "MonkeyDice.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/Label.h"
#include "platform/Twips.h"
#include "platform/VirtualKey.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

struct MonkeyStats
{
    long games = 0, ticks = 0, presses = 0, boxes = 0, pauses = 0, replays = 0, keys = 0;
    long dialogs = 0, picks = 0, closed = 0, hiddenGames = 0;
    double maxCount = 0;
};

// What the dialog driver asks of the run it belongs to.
class MonkeyHost
{
public:
    virtual ~MonkeyHost() = default;
    virtual MonkeyDice &dice() = 0;
    virtual GameDriver &game() = 0;
    virtual bool wantsMore() = 0;
    virtual void note(const std::string &action) = 0; // counts one action
    virtual void fail(const std::string &what) = 0;
    virtual void tick() = 0;                           // time passes: the game's timer, if running
    virtual void redrawn() = 0;                        // the game was to draw Pic just now
    virtual void check() = 0;                          // every invariant, now
    MonkeyStats stats;
};

// Each time a dialog is shown, acts in it from inside its modal show until it
// has gone: moves and clicks anywhere, keys, ticks, Escape, the close box.
// Where a click lands and what a key reaches is worked out here from the
// dialogs' geometry, independently.
class MonkeyDialogs
{
public:
    explicit MonkeyDialogs(MonkeyHost &host) : m_host(host)
    {
        m_host.game().toolkit.onModal = [this](Form &form) { visit(form); };
    }

private:
    struct Choice
    {
        std::int32_t charFrameX;
        double gravity;
        Hdc stageDc;
        double launchSpeed;
        bool operator==(const Choice &o) const
        {
            return charFrameX == o.charFrameX && gravity == o.gravity && stageDc == o.stageDc
                && launchSpeed == o.launchSpeed;
        }
        bool operator!=(const Choice &o) const { return !(*this == o); }
    };

    Choice choice() const
    {
        const GameState &s = m_host.game().state;
        return { s.charFrameX, s.gravity, s.stageDc, s.launchSpeed };
    }

    int offered() const { return 3 + m_host.game().state.hiddenMode; }

    void visit(Form &form)
    {
        m_characters = dynamic_cast<Form2 *>(&form);
        m_stages = dynamic_cast<Form3 *>(&form);
        if (!m_characters && !m_stages) {
            m_host.fail("a modal window the monkey does not know: " + form.name());
            return; // the toolkit closes it
        }
        m_dialog = m_characters ? static_cast<SelectionDialog *>(m_characters) : m_stages;
        m_marked = -1;
        ++m_host.stats.dialogs;
        m_host.check();
        const int budget = 1 + m_host.dice().below(40);
        for (int n = 0; n < budget && m_dialog->isLoaded() && m_host.wantsMore(); ++n) {
            const int roll = m_host.dice().below(100);
            if (roll < 35) {
                move();
            } else if (roll < 58) {
                click();
            } else if (roll < 80) {
                m_host.note("tick in a dialog");
                m_host.tick();
            } else if (roll < 90) {
                key();
            } else if (roll < 95) {
                m_host.note("Escape in a dialog");
                const Choice before = choice();
                m_dialog->keyPress(VirtualKey::Escape);
                if (m_dialog->isLoaded() || choice() != before)
                    m_host.fail("Escape left the dialog open or changed the choice");
            } else {
                close(choice());
            }
            m_host.check();
        }
        if (m_dialog->isLoaded())
            close(choice());
        m_dialog = nullptr;
    }

    void close(const Choice &before)
    {
        m_host.note("close box of a dialog");
        ++m_host.stats.closed;
        m_dialog->requestClose();
        if (m_dialog->isLoaded() || choice() != before)
            m_host.fail("the close box left the dialog open or changed the choice");
    }

    // A point of the strip, in its pixels: on it most of the time, anywhere in
    // the dialog otherwise. Off the strip, the event reaches the strip only
    // while it holds the mouse (dragged out with a button held); otherwise it
    // goes to a control with no use for it.
    struct Point
    {
        int x;
        int y;
        bool toStrip;
        bool dragged;
    };
    Point somewhere(int onStripPercent)
    {
        MonkeyDice &dice = m_host.dice();
        const PictureBox &strip = m_dialog->Picture1;
        if (dice.below(100) < onStripPercent)
            return { dice.below(std::uint64_t(strip.image().width())),
                     dice.below(std::uint64_t(strip.image().height())), true, false };
        const int x = dice.below(std::uint64_t(Twips::toPixels(m_dialog->width())))
            - strip.pixelLeft() - strip.border();
        const int y = dice.below(std::uint64_t(Twips::toPixels(m_dialog->height())))
            - strip.pixelTop() - strip.border();
        const bool on = x >= 0 && y >= 0 && x < strip.image().width() && y < strip.image().height();
        const bool dragged = !on && dice.chance(0.5);
        return { x, y, on || dragged, dragged };
    }

    // Which cell or thumbnail a point of the strip falls in, by the dialogs' rules.
    std::optional<int> hit(const Point &at) const
    {
        if (!at.toStrip)
            return std::nullopt;
        const double x = at.x * 15.0, y = at.y * 15.0;
        for (int i = 0; i < offered(); ++i) {
            if (m_characters) {
                const double left = i * 1575 + (i + 1) * 112.5;
                if (x > left && x < left + 1380 && y > 97.5 && y < 855 - 97.5)
                    return i;
            } else if (x > i * 2010 && x < i * 2010 + 2010) {
                return i;
            }
        }
        return std::nullopt;
    }

    std::string where(const Point &at) const
    {
        return std::to_string(at.x) + "," + std::to_string(at.y)
            + (at.dragged ? " (dragged)" : at.toStrip ? "" : " (off the strip)");
    }

    bool describes(int i) const
    {
        return m_dialog->Chara.caption().rfind("◆" + name(i) + "\r\n", 0) == 0;
    }

    void move()
    {
        const Point at = somewhere(70);
        m_host.note("move in a dialog to " + where(at));
        const std::string before = m_dialog->Chara.caption();
        if (at.toStrip) {
            m_dialog->Picture1.mouseMove(at.dragged ? MouseButton::Left : 0, 0, float(at.x * 15.0),
                                         float(at.y * 15.0));
            m_marked = -1; // the mouse takes over from the keyboard
        }
        const auto cell = hit(at);
        if (cell ? !describes(*cell) : m_dialog->Chara.caption() != before)
            m_host.fail("the description reads '" + m_dialog->Chara.caption() + "' after a move to "
                        + where(at));
        if (m_dialog->Picture1.markedChoice() != m_marked)
            m_host.fail("the keyboard's mark is on " + std::to_string(m_dialog->Picture1.markedChoice())
                        + " after a move");
    }

    void click()
    {
        const Point at = somewhere(75);
        static constexpr std::int16_t buttons[] = { MouseButton::Left, MouseButton::Right,
                                                    MouseButton::Middle };
        const std::int16_t button = buttons[m_host.dice().below(3)];
        m_host.note("click " + std::to_string(button) + " in a dialog at " + where(at));
        const auto cell = hit(at);
        const Choice before = choice();
        if (at.toStrip)
            m_dialog->Picture1.mouseDown(button, 0, float(at.x * 15.0), float(at.y * 15.0));
        expectPick(before, cell, "a click at " + where(at));
    }

    // The keys that move and pick, and one that means nothing here.
    void key()
    {
        static constexpr std::int16_t codes[] = {
            VirtualKey::Left, VirtualKey::Right, VirtualKey::Home, VirtualKey::End,
            VirtualKey::Return, VirtualKey::Space, VirtualKey::Digit0 + 1, VirtualKey::Digit0 + 2,
            VirtualKey::Digit0 + 3, VirtualKey::Digit0 + 4, VirtualKey::Numpad0 + 2,
            VirtualKey::Numpad0 + 4, VirtualKey::A,
        };
        const std::int16_t code = codes[m_host.dice().below(std::size(codes))];
        m_host.note("key " + std::to_string(code) + " in a dialog");
        const int last = offered() - 1;
        std::optional<int> picks;
        int hover = -1;
        switch (code) {
        case VirtualKey::Left: hover = std::max(0, m_marked - 1); break;
        case VirtualKey::Right: hover = m_marked < 0 ? 0 : std::min(last, m_marked + 1); break;
        case VirtualKey::Home: hover = 0; break;
        case VirtualKey::End: hover = last; break;
        case VirtualKey::Return:
        case VirtualKey::Space:
            if (m_marked >= 0)
                picks = m_marked;
            break;
        case VirtualKey::A: break;
        default: {
            const int digit = code >= VirtualKey::Numpad0 ? code - VirtualKey::Numpad0 : code - VirtualKey::Digit0;
            if (digit - 1 <= last)
                picks = digit - 1;
        }
        }
        const std::string before = m_dialog->Chara.caption();
        const Choice chosen = choice();
        m_dialog->keyPress(code);
        if (hover >= 0) {
            m_marked = hover;
            if (m_dialog->Picture1.markedChoice() != m_marked || !describes(m_marked))
                m_host.fail("key " + std::to_string(code) + " marked " + std::to_string(m_dialog->Picture1.markedChoice())
                            + ", described '" + m_dialog->Chara.caption() + "'; expected " + name(m_marked));
        } else if (!picks && m_dialog->Chara.caption() != before) {
            m_host.fail("key " + std::to_string(code) + " changed the description");
        }
        expectPick(chosen, picks, "key " + std::to_string(code));
    }

    // After a click or a key: the choice it should pick, if any, and the
    // dialog gone with it; else nothing changed and the dialog still open.
    void expectPick(const Choice &before, std::optional<int> cell, const std::string &what)
    {
        const bool open = m_dialog->isLoaded();
        if (!cell) {
            if (!open || choice() != before)
                m_host.fail(what + " picked something or closed the dialog");
            return;
        }
        ++m_host.stats.picks;
        const int i = *cell;
        static constexpr double gravity[] = { 9.8, 10.6, 9, 8.2 };
        static constexpr double launch[] = { 75, 60, 120, 70 };
        Choice expected = before;
        if (m_characters) {
            expected.charFrameX = 92 * i;
            expected.gravity = gravity[i];
        } else {
            expected.stageDc = m_host.game().form->Bg(std::int16_t(i)).hDC();
            expected.launchSpeed = launch[i];
        }
        if (open || choice() != expected)
            m_host.fail(what + " did not pick " + name(i) + " and close");
        m_host.redrawn();
    }

    std::string name(int i) const
    {
        static const std::string characters[] = { "まんが肉", "牛肉", "とり肉", "キン肉" };
        static const std::string stages[] = { "平原", "砂漠地帯", "宇宙空間", "リング" };
        return m_characters ? characters[i] : stages[i];
    }

    MonkeyHost &m_host;
    Form2 *m_characters = nullptr;
    Form3 *m_stages = nullptr;
    SelectionDialog *m_dialog = nullptr;
    int m_marked = -1; // where the keyboard's mark should stand
};
