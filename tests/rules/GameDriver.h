// Zubrik: drives the real main window on the headless toolkit: its buttons, its clock, its counter.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/headless/HeadlessToolkit.h"

#include <memory>
#include <string>
#include <vector>

// A fresh toolkit and main window per driver. Nothing is shown: message boxes
// and beeps are recorded by the toolkit, and time passes only when a test
// ticks or moves the clock on.
class GameDriver
{
public:
    GameDriver() : form(std::make_unique<Form1>(state)) { form->show(); }

    void jump() { form->Cmd_jump.click(); }
    void pause() { form->Cmd_pause.click(); }
    void replay() { form->Cmd_replay.click(); }
    // One tick of the game's timer, as its interval passing would fire it; a
    // stopped timer does not tick.
    void tick()
    {
        if (const int left = form->timer().remainingTime(); left >= 0)
            toolkit.advance(left);
    }

    // Ticks until the timer stops; returns the number of ticks, or -1 if it
    // had not landed after a generous bound.
    int tickUntilLanded(int bound = 200)
    {
        for (int ticks = 1; ticks <= bound; ++ticks) {
            tick();
            if (!form->timer().enabled())
                return ticks;
        }
        return -1;
    }

    // The message boxes shown so far, as "title | prompt".
    std::vector<std::string> boxes() const
    {
        std::vector<std::string> shown;
        for (const auto &message : toolkit.messages())
            shown.push_back(message.title + " | " + message.prompt);
        return shown;
    }

    std::string counter() const { return form->Lbl_count.caption(); }
    void setCounter(const std::string &caption) { form->Lbl_count.setCaption(caption); }
    const Image &frame() const { return form->Pic.image(); }

    HeadlessToolkit toolkit;
    GameState state;
    std::unique_ptr<Form1> form;
};
