// Zubrik: both selection dialogs' rules, side by side: layout, strip, hit test, descriptions, picks, the main window's buttons.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "GameDriver.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/Frame.h"
#include "platform/Line.h"
#include "platform/Twips.h"

#include <doctest/doctest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace DialogDriver;

namespace {

constexpr int characterCellX[] = { 8, 120, 232, 345 }; // pixels in the strip
constexpr int characterCellY = 6;

// A point of the strip in its pixels.
struct Point
{
    int x;
    int y;
};

struct Layout
{
    float strip;
    int stripPixels;
    float form;
    int formPixels;
    float lineEnd;
    float frameWidth;
    std::vector<std::string> offered;
};

// A point in twips of the strip's client area, and the choice under it (-1: none).
struct Hit
{
    std::string name;
    float x;
    float y;
    int choice;
};

// What tells the two dialogs apart: how each is made and laid out, where its
// choices lie, and what a pick leaves in the game.
struct Kind
{
    std::string name;
    std::unique_ptr<SelectionDialog> (*make)(Form1 &mainWindow);
    std::string caption;
    std::string prompt;
    int stripHeight;
    int formHeightPixels;
    Layout layouts[2]; // normal, hidden mode
    Point (*centre)(int choice);
    // The centre of the name under choice i, in pixels of the dialog.
    double (*nameCentre)(const SelectionDialog &dialog, int choice);
    Image (*expectedStrip)(bool hidden);
    std::vector<Hit> (*hits)(bool hidden);
    std::string (*description)(std::int16_t choice);
    // Moves from a choice's centre that keep its description up.
    std::vector<Point> keptOver;
    // The choice in effect, and the number it sets: gravity, launch speed.
    int (*chosen)(GameDriver &d);
    double (*physics)(GameDriver &d);
    double values[4];
    // Whether the main picture shows choice i after a pick.
    bool (*shows)(GameDriver &d, int choice);
};

Image characterStrip(bool hidden)
{
    const Image &niku = sheet("niku");
    const Image &nikuK = sheet("nikuk");
    Image expected(hidden ? 450 : 338, 57, Image::rgb(224, 224, 224));
    for (int i = 0; i < 3; ++i)
        paintMasked(expected, characterCellX[i], characterCellY, crop(niku, 92 * i, 0, 92, 42),
                    crop(niku, 92 * i, 42, 92, 42));
    if (hidden)
        paintMasked(expected, characterCellX[3], characterCellY, nearest(crop(nikuK, 0, 0, 82, 67), 92, 42),
                    nearest(crop(nikuK, 0, 67, 82, 67), 92, 42));
    return expected;
}

Image stageStrip(bool hidden)
{
    Image expected(hidden ? 536 : 402, 81, Image::rgb(224, 224, 224));
    for (int i = 0; i < 4; ++i) {
        const Image thumbnail = nearest(sheet("bg" + std::to_string(i)), 133, 81);
        for (int y = 0; y < 81; ++y)
            for (int x = 0; x < 133 && 134 * i + x < expected.width(); ++x)
                expected.setPixel(134 * i + x, y, thumbnail.pixel(x, y));
    }
    return expected;
}

// Each cell's edges, inside and out; the bands above and below it.
std::vector<Hit> characterHits(bool hidden)
{
    std::vector<Hit> rows;
    for (int i = 0; i < 3 + hidden; ++i) {
        const float left = float(i * 1575 + (i + 1) * 112.5);
        const float right = left + 1380;
        const std::string at = "cell " + std::to_string(i);
        rows.push_back({ at + " before left edge", left - 7.5f, 400, -1 });
        rows.push_back({ at + " on left edge", left, 400, -1 });
        rows.push_back({ at + " inside left edge", left + 7.5f, 400, i });
        rows.push_back({ at + " inside right edge", right - 7.5f, 400, i });
        rows.push_back({ at + " on right edge", right, 400, -1 });
        rows.push_back({ at + " gap after", right + 7.5f, 400, -1 });
    }
    if (!hidden) {
        rows.push_back({ "on top band edge", 2500, 97.5f, -1 });
        rows.push_back({ "below top band edge", 2500, 105, 1 });
        rows.push_back({ "above bottom band edge", 2500, 750, 1 });
        rows.push_back({ "on bottom band edge", 2500, 757.5f, -1 });
        rows.push_back({ "bottom band", 2500, 840, -1 });
        // Dragged out past the strip with a button held, the mouse still reports
        // to it: the hidden character's place must stay dead until it is offered.
        rows.push_back({ "beyond the strip", 5865, 400, -1 });
    }
    return rows;
}

// The boundaries between pitches; y is never looked at.
std::vector<Hit> stageHits(bool hidden)
{
    std::vector<Hit> rows;
    for (int edge = 0; edge <= 3 + hidden; ++edge) {
        const float x = edge * 2010.0f;
        const std::string at = "boundary " + std::to_string(edge);
        const int after = edge < 3 + hidden ? edge : -1;
        rows.push_back({ at + " before", x - 7.5f, 600, edge > 0 ? edge - 1 : -1 });
        rows.push_back({ at + " on", x, 600, -1 });
        rows.push_back({ at + " after", x + 7.5f, 600, after });
    }
    if (!hidden) {
        rows.push_back({ "free column, high above", 1995, -3000, 0 });
        rows.push_back({ "far below", 4500, 9000, 2 });
        // Dragged out past the strip with a button held: the ring is not offered.
        rows.push_back({ "beyond the strip", 6700, 600, -1 });
    }
    return rows;
}

int stageShown(GameDriver &d)
{
    for (std::int16_t i = 0; i < 4; ++i)
        if (d.form->Bg(i).hDC() == d.state.stageDc)
            return i;
    return -1;
}

const Kind characters {
    "character select",
    [](Form1 &mainWindow) -> std::unique_ptr<SelectionDialog> { return std::make_unique<Form2>(mainWindow); },
    "肉選択",
    "肉を選択して下さい。",
    57,
    236,
    { { 5062.5f, 338, 5382.0f, 359, 5182.0f, 5062.0f, { "まんが肉", "牛肉", "とり肉" } },
      { 6750.0f, 450, 7070.0f, 471, 6870.0f, 6750.0f, { "まんが肉", "牛肉", "とり肉", "キン肉" } } },
    [](int cell) { return Point { characterCellX[cell] + 46, characterCellY + 21 }; },
    [](const SelectionDialog &dialog, int cell) {
        return dialog.Picture1.left() / Twips::perPixel + characterCellX[cell] + 46;
    },
    &characterStrip,
    &characterHits,
    &Form2::description,
    { { 50, 0 }, { 0, -24 }, { 0, 28 } }, // the gap after the cell, the bands above and below
    [](GameDriver &d) { return int(d.state.charFrameX / 92); },
    [](GameDriver &d) { return d.state.gravity; },
    { 9.8, 10.6, 9, 8.2 },
    [](GameDriver &d, int cell) {
        return cell == 3 ? showsSprite(d.frame(), 110, 95, sheet("nikuk"), 0, 82, 67)
                         : showsSprite(d.frame(), 106, 120, sheet("niku"), 92 * cell, 92, 42);
    },
};

const Kind stages {
    "stage select",
    [](Form1 &mainWindow) -> std::unique_ptr<SelectionDialog> { return std::make_unique<Form3>(mainWindow); },
    "ステージ選択",
    "ステージを選択して下さい。",
    81,
    245,
    { { 6030, 402, 6350, 423, 6150, 6030, { "平原", "砂漠地帯", "宇宙空間" } },
      { 8040, 536, 8360, 557, 8160, 8040, { "平原", "砂漠地帯", "宇宙空間", "リング" } } },
    [](int stage) { return Point { 134 * stage + 66, 40 }; },
    [](const SelectionDialog &dialog, int stage) {
        return dialog.Picture1.left() / Twips::perPixel + 134 * stage + 67;
    },
    &stageStrip,
    &stageHits,
    &Form3::description,
    {},
    &stageShown,
    [](GameDriver &d) { return d.state.launchSpeed; },
    { 75, 60, 120, 70 },
    [](GameDriver &d, int stage) {
        // Above the standing character, Pic shows nothing but the new stage.
        return crop(d.frame(), 0, 0, 303, 120) == crop(sheet("bg" + std::to_string(stage)), 0, 0, 303, 120);
    },
};

const Kind *const kinds[] = { &characters, &stages };

} // namespace

TEST_CASE("layout: the strip, the window, the rule and the frame follow the number of choices")
{
    for (const Kind *kind : kinds) {
        for (const std::int16_t hidden : { 0, 1 }) {
            CAPTURE(kind->name);
            CAPTURE(hidden);
            const Layout &row = kind->layouts[hidden];
            GameDriver d;
            d.state.hiddenMode = hidden;
            const auto dialog = kind->make(*d.form);
            CHECK(dialog->Picture1.width() == row.strip);
            // Borderless: the client area, and so the image, is the whole strip.
            CHECK(dialog->Picture1.image().width() == row.stripPixels);
            CHECK(dialog->Picture1.image().height() == kind->stripHeight);
            CHECK(dialog->width() == row.form);
            CHECK(Twips::toPixels(dialog->width()) == row.formPixels);
            CHECK(Twips::toPixels(dialog->height()) == kind->formHeightPixels);
            CHECK(dialog->Line1.x2() == row.lineEnd);
            CHECK(dialog->Frame1.width() == row.frameWidth);
            for (std::int16_t i = 0; i < 4; ++i) {
                const Label &name = dialog->Label1(i);
                CAPTURE(name.caption());
                const double nameCentre = (name.left() + name.width() / 2.0) / Twips::perPixel;
                CHECK(std::abs(nameCentre - kind->nameCentre(*dialog, i)) <= 1);
            }
            // The fourth name lies outside the window until it is offered.
            CHECK((dialog->Label1(3).left() >= dialog->width()) == (hidden == 0));
            CHECK(dialog->Chara.caption() == kind->prompt);
            CHECK(dialog->caption() == kind->caption);
            CHECK(dialog->Frame1.caption() == "特徴");
            // The keyboard and screen readers are offered the choices on offer, no more.
            std::vector<std::string> offered;
            for (const PictureBox::Choice &choice : dialog->Picture1.choices())
                offered.push_back(choice.name);
            CHECK(offered == row.offered);
            CHECK(dialog->Picture1.image() == kind->expectedStrip(hidden));
        }
    }
}

TEST_CASE("hit test: what the mouse is over, and what a press there picks")
{
    for (const Kind *kind : kinds) {
        for (const std::int16_t hidden : { 0, 1 }) {
            for (const Hit &row : kind->hits(hidden)) {
                CAPTURE(kind->name);
                CAPTURE(hidden);
                CAPTURE(row.name);
                GameDriver d;
                d.state.hiddenMode = hidden;
                const auto dialog = kind->make(*d.form);
                dialog->show();
                dialog->Picture1.mouseMove(0, 0, row.x, row.y);
                CHECK(dialog->Chara.caption()
                      == (row.choice < 0 ? kind->prompt : kind->description(std::int16_t(row.choice))));
                dialog->Picture1.mouseDown(MouseButton::Right, 0, row.x, row.y);
                const int inEffect = row.choice < 0 ? 0 : row.choice;
                CHECK(dialog->isLoaded() == (row.choice < 0));
                CHECK(kind->chosen(d) == inEffect);
                CHECK(kind->physics(d) == kind->values[inEffect]);
            }
        }
    }
}

TEST_CASE("descriptions: each choice's under the mouse, kept where no other begins")
{
    for (const Kind *kind : kinds) {
        CAPTURE(kind->name);
        GameDriver d;
        d.state.hiddenMode = 1;
        const auto dialog = kind->make(*d.form);
        dialog->show();
        PictureBox &strip = dialog->Picture1;
        for (std::int16_t i = 0; i < 4; ++i) {
            CAPTURE(i);
            const Point centre = kind->centre(i);
            moveTo(strip, centre.x, centre.y);
            CHECK(dialog->Chara.caption() == kind->description(i));
            for (const Point &by : kind->keptOver)
                moveTo(strip, centre.x + by.x, centre.y + by.y);
            CHECK(dialog->Chara.caption() == kind->description(i));
        }
    }
    CHECK(Form2::description(0) == "◆まんが肉\r\nよく漫画に出てくる骨付き肉。\r\n泳ぎが得意なので、水中ステージで有利。");
    CHECK(Form2::description(3) == "◆キン肉\r\nすべてが謎に包まれている、幻の肉。\r\n「牛丼！牛丼！」と叫ぶ声がたまに聞こえてくる。");
    CHECK(Form3::description(1) == "◆砂漠地帯\r\n広大なる砂漠地帯。\r\nその多量の砂ゆえ、足をとられやすいので注意したい。");
    CHECK(Form3::description(3) == "◆リング\r\nプロレスのリング。\r\nなんだか懐かしい雰囲気がする。");
}

TEST_CASE("a pick by any button stores the choice and its number, redraws and unloads")
{
    const std::int16_t buttons[] = { MouseButton::Left, MouseButton::Right, MouseButton::Middle, MouseButton::Left };
    for (const Kind *kind : kinds) {
        for (int choice = 0; choice < 4; ++choice) {
            CAPTURE(kind->name);
            CAPTURE(choice);
            GameDriver d;
            d.state.hiddenMode = 1;
            // Start from another choice, so that the redraw shows.
            d.state.charFrameX = kind == &characters ? 92 * ((choice + 1) % 3) : 0;
            d.state.stageDc = d.form->Bg(std::int16_t(kind == &stages ? (choice + 1) % 4 : 0)).hDC();
            d.form->FrameCompositor();
            const auto dialog = kind->make(*d.form);
            dialog->show();
            const Point centre = kind->centre(choice);
            pressAt(dialog->Picture1, centre.x, centre.y, buttons[choice]);
            CHECK(!dialog->isLoaded());
            CHECK(kind->chosen(d) == choice);
            CHECK(kind->physics(d) == kind->values[choice]);
            CHECK(kind->shows(d, choice));
        }
    }
}

// Dragged out of the strip with a button held, the strip keeps the mouse; a
// second button pressed there must not pick the character that is not offered.
TEST_CASE("a press beyond the character strip picks nothing")
{
    GameDriver d;
    Form2 dialog(*d.form);
    dialog.show();
    PictureBox &strip = dialog.Picture1;
    pressAt(strip, 110, 28, MouseButton::Left); // the gap: nothing
    moveTo(strip, characterCellX[3] + 46, 27, MouseButton::Left);
    pressAt(strip, characterCellX[3] + 46, 27, MouseButton::Right);
    CHECK(dialog.isLoaded());
    CHECK(d.state.charFrameX == 0);
    CHECK(dialog.Chara.caption() == "肉を選択して下さい。");
}

// The real buttons: a fresh modal dialog at each opening, as wide as the mode
// offers; the next jump follows the pick.
TEST_CASE("opened by the main window's buttons")
{
    struct Row
    {
        const Kind *kind;
        std::int16_t hidden;
        int widthPixels;
        int pick;
        int landingTicks;
    };
    const Row rows[] = {
        { &characters, 0, 359, 2, 13 }, // launch speed 75, gravity 9
        { &characters, 1, 471, 3, 14 }, // gravity 8.2
        { &stages, 0, 423, 2, 18 },     // launch speed 120, gravity 9.8
        { &stages, 1, 557, 3, 11 },     // launch speed 70
    };
    for (const Row &row : rows) {
        CAPTURE(row.kind->name);
        CAPTURE(row.hidden);
        GameDriver d;
        d.state.hiddenMode = row.hidden;
        int shows = 0;
        d.toolkit.onModal = [&](Form &form) {
            auto *dialog = dynamic_cast<SelectionDialog *>(&form);
            REQUIRE(dialog);
            ++shows;
            CHECK(dialog->Chara.caption() == row.kind->prompt); // afresh, whatever the last showed
            CHECK(Twips::toPixels(dialog->width()) == row.widthPixels);
            CHECK(dialog->isModal());
            const Point centre = row.kind->centre(row.pick);
            moveTo(dialog->Picture1, centre.x, centre.y);
            if (shows == 2)
                pressAt(dialog->Picture1, centre.x, centre.y, MouseButton::Left);
        };
        CommandButton &button = row.kind == &characters ? d.form->Cmd_nikusel : d.form->Cmd_stgsel;
        button.click(); // closed by its close box: nothing changes
        CHECK(row.kind->chosen(d) == 0);
        button.click();
        CHECK(shows == 2);
        CHECK(row.kind->chosen(d) == row.pick);
        CHECK(d.form->activeControl() == &d.form->Cmd_jump);
        d.jump();
        CHECK(d.tickUntilLanded() == row.landingTicks);
    }
}

// The jump goes on behind the dialog; the new number rules from the next tick.
TEST_CASE("chosen during a flight")
{
    for (const Kind *kind : kinds) {
        CAPTURE(kind->name);
        GameDriver d;
        d.jump();
        int ticksBehind = 0;
        d.toolkit.onModal = [&](Form &form) {
            d.tick();
            d.tick();
            ticksBehind = int(d.form->windowState().jumpTime / 2);
            const Point centre = kind->centre(2);
            pressAt(static_cast<SelectionDialog &>(form).Picture1, centre.x, centre.y, MouseButton::Left);
        };
        (kind == &characters ? d.form->Cmd_nikusel : d.form->Cmd_stgsel).click();
        CHECK(ticksBehind == 2);
        CHECK(d.form->timer().enabled());
        const double speed = kind == &stages ? kind->values[2] : 75.0;
        const double gravity = kind == &characters ? kind->values[2] : 9.8;
        const double before = d.state.charY;
        const double t = d.form->windowState().jumpTime + 2;
        d.tick();
        CHECK((before - d.state.charY) * 15 == doctest::Approx(speed * t - gravity / 2 * t * t));
    }
}

// Both choices made in the dialogs: the next jump lands on the tick the
// landing table gives for the pair.
TEST_CASE("landing for every pair of stage and character")
{
    struct Row
    {
        std::string name;
        int stage;
        int character;
        int ticks;
    };
    const Row rows[] = {
        { "宇宙空間, キン肉", 2, 3, 22 },
        { "砂漠地帯, 牛肉", 1, 1, 9 },
        { "平原, とり肉", 0, 2, 13 },
        { "リング, まんが肉", 3, 0, 11 },
        { "砂漠地帯, キン肉", 1, 3, 11 },
        { "宇宙空間, 牛肉", 2, 1, 17 },
        { "リング, キン肉", 3, 3, 13 },
        { "リング, とり肉", 3, 2, 12 },
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        GameDriver d;
        d.state.hiddenMode = 1;
        for (const Kind *kind : kinds) {
            const auto dialog = kind->make(*d.form);
            dialog->show();
            const Point centre = kind->centre(kind == &characters ? row.character : row.stage);
            pressAt(dialog->Picture1, centre.x, centre.y, MouseButton::Left);
            CHECK(!dialog->isLoaded());
        }
        d.jump();
        CHECK(d.tickUntilLanded() == row.ticks);
    }
}
