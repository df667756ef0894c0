// Zubrik: the stage select's rules: layout, thumbnails, picks by mouse, the main window's button.
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
#include <string>
#include <vector>

using namespace DialogDriver;

namespace {

constexpr double launchSpeeds[] = { 75, 60, 120, 70 };

// The centre of a thumbnail, in pixels of the strip.
int centreX(int stage) { return 134 * stage + 66; }
constexpr int centreY = 40;

const std::string prompt = "ステージを選択して下さい。";

const Image &stagePicture(int stage)
{
    return sheet("bg" + std::to_string(stage));
}

} // namespace

TEST_CASE("layout: the strip, the window, the rule and the frame follow the number of stages")
{
    struct Row
    {
        std::int16_t hidden;
        float strip;
        int stripPixels;
        float form;
        int formPixels;
        std::vector<std::string> offered;
    };
    const Row rows[] = {
        { 0, 6030, 402, 6350, 423, { "平原", "砂漠地帯", "宇宙空間" } },
        { 1, 8040, 536, 8360, 557, { "平原", "砂漠地帯", "宇宙空間", "リング" } },
    };
    for (const Row &row : rows) {
        CAPTURE(row.hidden);
        GameDriver d;
        d.state.hiddenMode = row.hidden;
        Form3 dialog(*d.form);
        CHECK(dialog.Picture1.width() == row.strip);
        CHECK(dialog.Picture1.image().width() == row.stripPixels);
        CHECK(dialog.Picture1.image().height() == 81);
        CHECK(dialog.width() == row.form);
        CHECK(Twips::toPixels(dialog.width()) == row.formPixels);
        CHECK(Twips::toPixels(dialog.height()) == 245);
        CHECK(dialog.Line1.x2() == row.strip + 120);
        CHECK(dialog.Frame1.width() == row.strip);

        for (std::int16_t i = 0; i < 4; ++i) {
            const Label &name = dialog.Label1(i);
            CAPTURE(name.caption());
            const double nameCentre = (name.left() + name.width() / 2.0) / Twips::perPixel;
            const double pitchCentre = dialog.Picture1.left() / Twips::perPixel + 134 * i + 67;
            CHECK(std::abs(nameCentre - pitchCentre) <= 1);
        }
        // The fourth name lies outside the window until it is offered.
        CHECK((dialog.Label1(3).left() >= dialog.width()) == (row.hidden == 0));
        CHECK(dialog.Label1(3).caption() == "リング");
        CHECK(dialog.Chara.caption() == prompt);
        CHECK(dialog.caption() == "ステージ選択");

        std::vector<std::string> offered;
        for (const PictureBox::Choice &choice : dialog.Picture1.choices())
            offered.push_back(choice.name);
        CHECK(offered == row.offered);
    }
}

TEST_CASE("the thumbnails: every stage shrunk into its pitch, a free column after each")
{
    for (const std::int16_t hidden : { 0, 1 }) {
        CAPTURE(hidden);
        GameDriver d;
        d.state.hiddenMode = hidden;
        Form3 dialog(*d.form);

        Image expected(hidden ? 536 : 402, 81, Image::rgb(224, 224, 224));
        for (int i = 0; i < 4; ++i) {
            const Image thumbnail = nearest(stagePicture(i), 133, 81);
            for (int y = 0; y < 81; ++y)
                for (int x = 0; x < 133 && 134 * i + x < expected.width(); ++x)
                    expected.setPixel(134 * i + x, y, thumbnail.pixel(x, y));
        }
        CHECK(dialog.Picture1.image() == expected);
    }
}

// x in twips of the strip's client area; y is never looked at. -1: no stage.
TEST_CASE("hit test: the pitches, their boundaries, far above and below, beyond the strip")
{
    struct Row
    {
        std::string name;
        std::int16_t hidden;
        float x;
        float y;
        int stage;
    };
    std::vector<Row> rows;
    for (const std::int16_t hidden : { 0, 1 }) {
        const std::string mode = hidden ? "hidden, " : "";
        for (int edge = 0; edge <= 3 + hidden; ++edge) {
            const float x = edge * 2010.0f;
            const std::string at = mode + "boundary " + std::to_string(edge);
            const int after = edge < 3 + hidden ? edge : -1;
            rows.push_back({ at + " before", hidden, x - 7.5f, 600, edge > 0 ? edge - 1 : -1 });
            rows.push_back({ at + " on", hidden, x, 600, -1 });
            rows.push_back({ at + " after", hidden, x + 7.5f, 600, after });
        }
    }
    rows.push_back({ "free column, high above", 0, 1995, -3000, 0 });
    rows.push_back({ "far below", 0, 4500, 9000, 2 });
    // Dragged out past the strip with a button held: the ring is not offered.
    rows.push_back({ "beyond the strip", 0, 6700, 600, -1 });

    for (const Row &row : rows) {
        CAPTURE(row.name);
        GameDriver d;
        d.state.hiddenMode = row.hidden;
        Form3 dialog(*d.form);
        dialog.show();

        dialog.Picture1.mouseMove(0, 0, row.x, row.y);
        CHECK(dialog.Chara.caption() == (row.stage < 0 ? prompt : Form3::description(std::int16_t(row.stage))));
        dialog.Picture1.mouseDown(MouseButton::Right, 0, row.x, row.y);
        CHECK(dialog.isLoaded() == (row.stage < 0));
        CHECK(d.state.stageDc == d.form->Bg(std::int16_t(row.stage < 0 ? 0 : row.stage)).hDC());
        CHECK(d.state.launchSpeed == (row.stage < 0 ? 75.0 : launchSpeeds[row.stage]));
    }
}

TEST_CASE("descriptions: each stage's under the mouse")
{
    const std::string expected[] = {
        "◆平原\r\nISO取得済世界標準仕様ステージ。\r\n練習用に最適である。",
        "◆砂漠地帯\r\n広大なる砂漠地帯。\r\nその多量の砂ゆえ、足をとられやすいので注意したい。",
        "◆宇宙空間\r\n未知なる宇宙。\r\n重力がない為、どこまでも飛んでいくと思いきや、なぜか戻ってくる。",
        "◆リング\r\nプロレスのリング。\r\nなんだか懐かしい雰囲気がする。",
    };
    GameDriver d;
    d.state.hiddenMode = 1;
    Form3 dialog(*d.form);
    dialog.show();
    for (int i = 0; i < 4; ++i) {
        CAPTURE(i);
        moveTo(dialog.Picture1, centreX(i), centreY);
        CHECK(dialog.Chara.caption() == expected[i]);
    }
}

TEST_CASE("a pick by any button stores the stage and its launch speed, redraws and unloads")
{
    struct Row
    {
        std::string name;
        int stage;
        std::int16_t button;
        double launchSpeed;
    };
    const Row rows[] = {
        { "平原", 0, MouseButton::Left, 75.0 },
        { "砂漠地帯, right button", 1, MouseButton::Right, 60.0 },
        { "宇宙空間", 2, MouseButton::Left, 120.0 },
        { "リング", 3, MouseButton::Left, 70.0 },
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        GameDriver d;
        d.state.hiddenMode = 1;
        d.state.stageDc = d.form->Bg(std::int16_t((row.stage + 1) % 4)).hDC();
        d.form->FrameCompositor();
        Form3 dialog(*d.form);
        dialog.show();

        pressAt(dialog.Picture1, centreX(row.stage), centreY, row.button);
        CHECK(!dialog.isLoaded());
        CHECK(d.state.stageDc == d.form->Bg(std::int16_t(row.stage)).hDC());
        CHECK(d.state.launchSpeed == row.launchSpeed);
        // Above the standing character, Pic shows nothing but the new stage.
        CHECK(crop(d.frame(), 0, 0, 303, 120) == crop(stagePicture(row.stage), 0, 0, 303, 120));
    }
}

TEST_CASE("opened by the main window's button")
{
    GameDriver d;
    bool seen = false;
    whileShown<Form3>(d.toolkit, [](Form3 &dialog) {
        CHECK(Twips::toPixels(dialog.width()) == 423);
        CHECK(dialog.isModal());
        pressAt(dialog.Picture1, 134 * 2, 5, MouseButton::Left); // a boundary pixel
        CHECK(dialog.isLoaded());
        pressAt(dialog.Picture1, centreX(2), centreY, MouseButton::Left);
    }, seen);
    d.form->Cmd_stgsel.click();
    CHECK(seen);
    CHECK(d.toolkit.modalShows() == std::vector<std::string> { "Form3" });
    CHECK(d.state.stageDc == d.form->Bg(2).hDC());
    CHECK(d.state.launchSpeed == 120.0);
    d.jump();
    CHECK(d.tickUntilLanded() == 18); // launch speed 120, gravity 9.8
}

// The jump goes on behind the dialog; the new launch speed rules from the next tick.
TEST_CASE("chosen during a flight")
{
    GameDriver d;
    d.jump();
    bool seen = false;
    whileShown<Form3>(d.toolkit, [&](Form3 &dialog) {
        d.tick();
        d.tick();
        CHECK(d.form->windowState().jumpTime == 4);
        pressAt(dialog.Picture1, centreX(1), centreY, MouseButton::Left);
    }, seen);
    d.form->Cmd_stgsel.click();
    CHECK(seen);
    CHECK(d.form->timer().enabled());
    const double before = d.state.charY;
    const double t = d.form->windowState().jumpTime + 2;
    d.tick();
    CHECK((before - d.state.charY) * 15 == doctest::Approx(60 * t - 9.8 / 2 * t * t));
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
        {
            Form2 characters(*d.form);
            characters.show();
            characters.Picture1.mouseDown(
                MouseButton::Left, 0, float(row.character * 1575 + (row.character + 1) * 112.5 + 690), 400);
            CHECK(!characters.isLoaded());
        }
        {
            Form3 stages(*d.form);
            stages.show();
            stages.Picture1.mouseDown(MouseButton::Left, 0, float(row.stage * 2010 + 1005), 400);
            CHECK(!stages.isLoaded());
        }
        d.jump();
        CHECK(d.tickUntilLanded() == row.ticks);
    }
}
