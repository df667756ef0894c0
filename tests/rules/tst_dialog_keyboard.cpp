// Zubrik: both selection dialogs by keyboard: moves and picks against the mouse on the same choice, the ways out.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "GameDriver.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"

#include <doctest/doctest.h>

#include <memory>
#include <string>
#include <vector>

using namespace DialogDriver;

namespace {

// What tells the two dialogs apart to the keyboard: how each is made, where
// the mouse finds its choices, and what the frame says before any.
struct Kind
{
    std::string name;
    std::unique_ptr<SelectionDialog> (*make)(Form1 &mainWindow);
    int (*centreX)(int choice); // pixels in the strip
    int centreY;
    std::string prompt;
    std::string (*description)(std::int16_t choice);
};

constexpr int cellX[] = { 8, 120, 232, 345 };

const Kind characters {
    "character select",
    [](Form1 &mainWindow) -> std::unique_ptr<SelectionDialog> { return std::make_unique<Form2>(mainWindow); },
    [](int cell) { return cellX[cell] + 46; },
    27,
    "肉を選択して下さい。",
    &Form2::description,
};
const Kind stages {
    "stage select",
    [](Form1 &mainWindow) -> std::unique_ptr<SelectionDialog> { return std::make_unique<Form3>(mainWindow); },
    [](int stage) { return 134 * stage + 66; },
    40,
    "ステージを選択して下さい。",
    &Form3::description,
};
const Kind *const kinds[] = { &characters, &stages };

// A starting point unlike every choice, so that any pick changes the picture.
void startElsewhere(GameDriver &d)
{
    d.state.charFrameX = 92;
    d.state.stageDc = d.form->Bg(1).hDC();
    d.form->FrameCompositor();
}

int stageShown(GameDriver &d)
{
    for (std::int16_t i = 0; i < 4; ++i)
        if (d.form->Bg(i).hDC() == d.state.stageDc)
            return i;
    return -1;
}

// What a dialog leaves in the game once it is gone.
struct Outcome
{
    std::int32_t charFrameX;
    double gravity;
    int stage;
    double launchSpeed;
    Image frame;
    bool open = false; // the dialog still up
};

Outcome outcome(GameDriver &d)
{
    return { d.state.charFrameX, d.state.gravity, stageShown(d), d.state.launchSpeed, d.frame(), false };
}

// Keys pressed on a dialog, and the choice they lead to; -1: none.
struct Row
{
    std::string name;
    std::int16_t hidden;
    std::string keys;
    int choice;
};

} // namespace

TEST_CASE("Escape and the close box leave the game as it was")
{
    struct Exit
    {
        const Kind *kind;
        std::string name;
        int over; // the choice under the mouse first; -1: none
        std::string keys; // before the way out
        bool escape;
    };
    const Exit rows[] = {
        { &characters, "Escape over a cell", 1, "", true },
        { &characters, "close box over a cell", 1, "", false },
        { &characters, "Escape after Right", 1, "Right", true },
        { &stages, "Escape", -1, "", true },
        { &stages, "close box over a stage", 2, "", false },
        { &stages, "Escape after Right", -1, "Right", true },
    };
    for (const Exit &row : rows) {
        CAPTURE(row.kind->name);
        CAPTURE(row.name);
        GameDriver d;
        startElsewhere(d);
        const Outcome before = outcome(d);
        std::unique_ptr<SelectionDialog> dialog = row.kind->make(*d.form);
        dialog->show();
        if (row.over >= 0)
            moveTo(dialog->Picture1, row.kind->centreX(row.over), row.kind->centreY);
        press(*dialog, row.keys);
        if (row.escape)
            CHECK(dialog->keyPress(VirtualKey::Escape));
        else
            dialog->requestClose();
        CHECK(!dialog->isLoaded());
        const Outcome after = outcome(d);
        CHECK(after.charFrameX == 92);
        CHECK(after.stage == 1);
        CHECK(after.gravity == before.gravity);
        CHECK(after.launchSpeed == 75.0);
        CHECK(after.frame == before.frame);
    }
}

// The keyboard's hover shows what the mouse shows over the same choice.
TEST_CASE("keys move over the offered choices as the mouse would")
{
    const Row rows[] = {
        { "no key yet", 0, "", -1 },
        { "Right starts at the first", 0, "Right", 0 },
        { "Left starts at the first", 0, "Left", 0 },
        { "Right stops at the third", 0, "Right Right Right Right", 2 },
        { "End, hidden mode", 1, "End", 3 },
        { "End Left Left", 0, "End Left Left", 0 },
        { "Home after End", 1, "End Home", 0 },
        { "other keys pass by", 0, "Right A Up", 0 },
    };
    for (const Kind *kind : kinds)
        for (const Row &row : rows) {
            CAPTURE(kind->name);
            CAPTURE(row.name);
            std::string byMouse;
            if (row.choice >= 0) {
                GameDriver mouse;
                mouse.state.hiddenMode = row.hidden;
                const auto dialog = kind->make(*mouse.form);
                moveTo(dialog->Picture1, kind->centreX(row.choice), kind->centreY);
                byMouse = dialog->Chara.caption();
            }

            GameDriver d;
            d.state.hiddenMode = row.hidden;
            const auto dialog = kind->make(*d.form);
            dialog->show();
            const Image strip = dialog->Picture1.image();
            press(*dialog, row.keys);
            CHECK(dialog->Picture1.markedChoice() == row.choice);
            CHECK(dialog->Chara.caption() == (row.choice < 0 ? kind->prompt : byMouse));
            // The mark lies over the strip, never in its image.
            CHECK(dialog->Picture1.image() == strip);
            CHECK(dialog->isLoaded());
            CHECK(d.state.charFrameX == 0);
            CHECK(d.state.stageDc == d.form->Bg(0).hDC());
        }
}

TEST_CASE("the mouse takes over from the keyboard's mark")
{
    for (const Kind *kind : kinds) {
        CAPTURE(kind->name);
        GameDriver d;
        const auto dialog = kind->make(*d.form);
        dialog->show();
        press(*dialog, "Right Right");
        CHECK(dialog->Picture1.markedChoice() == 1);
        moveTo(dialog->Picture1, kind->centreX(0), kind->centreY);
        CHECK(dialog->Picture1.markedChoice() == -1);
        CHECK(dialog->Chara.caption() == kind->description(0));
    }
}

// A pick by keyboard leaves the game as a click on the same choice does.
TEST_CASE("keys pick as a click on the same choice does")
{
    const Row rows[] = {
        { "Right Return", 0, "Right Return", 0 },
        { "End Return", 0, "End Return", 2 },
        { "Right Right Right Right Space", 1, "Right Right Right Right Space", 3 },
        { "End Space, hidden mode", 1, "End Space", 3 },
        { "digit 3", 0, "3", 2 },
        { "digit 4, hidden mode", 1, "4", 3 },
        { "digit 4 not offered", 0, "4", -1 },
        { "keypad 3", 0, "K3", 2 },
        { "Return before any arrow", 0, "Return Space", -1 },
    };
    for (const Kind *kind : kinds)
        for (const Row &row : rows) {
            CAPTURE(kind->name);
            CAPTURE(row.name);
            auto pickBy = [kind, &row](bool keyboard, Image *start) {
                GameDriver d;
                d.state.hiddenMode = row.hidden;
                startElsewhere(d);
                if (start)
                    *start = d.frame();
                const auto dialog = kind->make(*d.form);
                dialog->show();
                if (keyboard)
                    press(*dialog, row.keys);
                else if (row.choice >= 0)
                    pressAt(dialog->Picture1, kind->centreX(row.choice), kind->centreY, MouseButton::Left);
                Outcome out = outcome(d);
                out.open = dialog->isLoaded();
                return out;
            };
            Image before;
            const Outcome got = pickBy(true, &before);
            const Outcome wanted = pickBy(false, nullptr);
            CHECK(got.open == (row.choice < 0));
            CHECK(got.open == wanted.open);
            CHECK(got.charFrameX == wanted.charFrameX);
            CHECK(got.gravity == wanted.gravity);
            CHECK(got.stage == wanted.stage);
            CHECK(got.launchSpeed == wanted.launchSpeed);
            CHECK(got.frame == wanted.frame);
            CHECK((got.frame == before) == (row.choice < 0));
        }
}
