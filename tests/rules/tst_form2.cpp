// Zubrik: the character select's rules: layout, strip, picks by mouse, the main window's button.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "GameDriver.h"

#include "dialogs/Form2.h"
#include "platform/Frame.h"
#include "platform/Line.h"
#include "platform/Twips.h"

#include <doctest/doctest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace DialogDriver;

namespace {

constexpr int cellX[] = { 8, 120, 232, 345 }; // pixels in the strip
constexpr int cellY = 6;
constexpr double gravities[] = { 9.8, 10.6, 9, 8.2 };

int centreX(int cell) { return cellX[cell] + 46; }
int centreY() { return cellY + 21; }

const std::string prompt = "肉を選択して下さい。";

} // namespace

TEST_CASE("layout: the strip, the window, the rule and the frame follow the number of characters")
{
    struct Row
    {
        std::int16_t hidden;
        float strip;
        int stripPixels;
        float form;
        int formPixels;
        float lineEnd;
        std::vector<std::string> offered;
    };
    const Row rows[] = {
        { 0, 5062.5f, 338, 5382.0f, 359, 5182.0f, { "まんが肉", "牛肉", "とり肉" } },
        { 1, 6750.0f, 450, 7070.0f, 471, 6870.0f, { "まんが肉", "牛肉", "とり肉", "キン肉" } },
    };
    for (const Row &row : rows) {
        CAPTURE(row.hidden);
        GameDriver d;
        d.state.hiddenMode = row.hidden;
        Form2 dialog(*d.form);
        CHECK(dialog.Picture1.width() == row.strip);
        // Borderless: the client area, and so the image, is the whole strip.
        CHECK(dialog.Picture1.image().width() == row.stripPixels);
        CHECK(dialog.Picture1.image().height() == 57);
        CHECK(dialog.width() == row.form);
        CHECK(Twips::toPixels(dialog.width()) == row.formPixels);
        CHECK(Twips::toPixels(dialog.height()) == 236);
        CHECK(dialog.Line1.x2() == row.lineEnd);
        CHECK(dialog.Frame1.width() == row.lineEnd - 120);

        for (std::int16_t i = 0; i < 4; ++i) {
            const Label &name = dialog.Label1(i);
            CAPTURE(name.caption());
            const double nameCentre = (name.left() + name.width() / 2.0) / Twips::perPixel;
            const double cellCentre = dialog.Picture1.left() / Twips::perPixel + centreX(i);
            CHECK(std::abs(nameCentre - cellCentre) <= 1);
        }
        // The fourth name lies outside the window until it is offered.
        CHECK((dialog.Label1(3).left() >= dialog.width()) == (row.hidden == 0));
        CHECK(dialog.Label1(3).caption() == "キン肉");
        CHECK(dialog.Chara.caption() == prompt);
        CHECK(dialog.caption() == "肉選択");
        CHECK(dialog.Frame1.caption() == "特徴");

        // The keyboard and screen readers are offered the characters on offer, no more.
        std::vector<std::string> offered;
        for (const PictureBox::Choice &choice : dialog.Picture1.choices())
            offered.push_back(choice.name);
        CHECK(offered == row.offered);
    }
}

TEST_CASE("the strip: each character over its mask, the hidden one shrunk into the fourth cell")
{
    for (const std::int16_t hidden : { 0, 1 }) {
        CAPTURE(hidden);
        GameDriver d;
        d.state.hiddenMode = hidden;
        Form2 dialog(*d.form);

        const Image &niku = sheet("niku");
        const Image &nikuK = sheet("nikuk");
        Image expected(hidden ? 450 : 338, 57, Image::rgb(224, 224, 224));
        for (int i = 0; i < 3; ++i)
            paintMasked(expected, cellX[i], cellY, crop(niku, 92 * i, 0, 92, 42),
                        crop(niku, 92 * i, 42, 92, 42));
        if (hidden)
            paintMasked(expected, cellX[3], cellY, nearest(crop(nikuK, 0, 0, 82, 67), 92, 42),
                        nearest(crop(nikuK, 0, 67, 82, 67), 92, 42));
        CHECK(dialog.Picture1.image() == expected);
    }
}

// Positions in twips of the strip's client area; -1: no cell.
TEST_CASE("hit test: the cells, their edges, the bands above and below, beyond the strip")
{
    struct Row
    {
        std::string name;
        std::int16_t hidden;
        float x;
        float y;
        int cell;
    };
    std::vector<Row> rows;
    for (const std::int16_t hidden : { 0, 1 }) {
        for (int i = 0; i < 3 + hidden; ++i) {
            const float left = float(i * 1575 + (i + 1) * 112.5);
            const float right = left + 1380;
            const std::string at = (hidden ? "hidden, cell " : "cell ") + std::to_string(i);
            rows.push_back({ at + " before left edge", hidden, left - 7.5f, 400, -1 });
            rows.push_back({ at + " on left edge", hidden, left, 400, -1 });
            rows.push_back({ at + " inside left edge", hidden, left + 7.5f, 400, i });
            rows.push_back({ at + " inside right edge", hidden, right - 7.5f, 400, i });
            rows.push_back({ at + " on right edge", hidden, right, 400, -1 });
            rows.push_back({ at + " gap after", hidden, right + 7.5f, 400, -1 });
        }
    }
    rows.push_back({ "on top band edge", 0, 2500, 97.5f, -1 });
    rows.push_back({ "below top band edge", 0, 2500, 105, 1 });
    rows.push_back({ "above bottom band edge", 0, 2500, 750, 1 });
    rows.push_back({ "on bottom band edge", 0, 2500, 757.5f, -1 });
    rows.push_back({ "bottom band", 0, 2500, 840, -1 });
    // Dragged out past the strip with a button held, the mouse still reports
    // to it: the hidden character's place must stay dead until it is offered.
    rows.push_back({ "beyond the strip", 0, 5865, 400, -1 });

    for (const Row &row : rows) {
        CAPTURE(row.name);
        GameDriver d;
        d.state.hiddenMode = row.hidden;
        Form2 dialog(*d.form);
        dialog.show();

        dialog.Picture1.mouseMove(0, 0, row.x, row.y);
        CHECK(dialog.Chara.caption() == (row.cell < 0 ? prompt : Form2::description(std::int16_t(row.cell))));
        dialog.Picture1.mouseDown(MouseButton::Left, 0, row.x, row.y);
        CHECK(dialog.isLoaded() == (row.cell < 0));
        CHECK(d.state.charFrameX == (row.cell < 0 ? 0 : 92 * row.cell));
        CHECK(d.state.gravity == (row.cell < 0 ? 9.8 : gravities[row.cell]));
    }
}

TEST_CASE("descriptions: each cell's, kept over the gaps and bands")
{
    const std::string expected[] = {
        "◆まんが肉\r\nよく漫画に出てくる骨付き肉。\r\n泳ぎが得意なので、水中ステージで有利。",
        "◆牛肉\r\n狂牛病のクローン牛肉。\r\nずっしりと重く相手にのしかかる、重量タイプ。",
        "◆とり肉\r\n全国の提携農家で育てた国産ハーブ鶏。\r\nパンチ力がある格闘タイプで、肉弾戦が得意。",
        "◆キン肉\r\nすべてが謎に包まれている、幻の肉。\r\n「牛丼！牛丼！」と叫ぶ声がたまに聞こえてくる。",
    };
    GameDriver d;
    d.state.hiddenMode = 1;
    Form2 dialog(*d.form);
    dialog.show();
    PictureBox &strip = dialog.Picture1;
    for (int i = 0; i < 4; ++i) {
        CAPTURE(i);
        moveTo(strip, centreX(i), centreY());
        CHECK(dialog.Chara.caption() == expected[i]);
        moveTo(strip, centreX(i) + 50, centreY()); // the gap after the cell
        moveTo(strip, centreX(i), centreY() - 24); // the top band
        moveTo(strip, centreX(i), centreY() + 28); // the bottom band
        CHECK(dialog.Chara.caption() == expected[i]);
    }
}

TEST_CASE("a pick by any button stores the character and its gravity, redraws and unloads")
{
    struct Row
    {
        std::string name;
        int cell;
        std::int16_t button;
        double gravity;
    };
    const Row rows[] = {
        { "まんが肉", 0, MouseButton::Left, 9.8 },
        { "牛肉", 1, MouseButton::Left, 10.6 },
        { "とり肉, right button", 2, MouseButton::Right, 9.0 },
        { "キン肉, middle button", 3, MouseButton::Middle, 8.2 },
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        GameDriver d;
        d.state.hiddenMode = 1;
        // Start from another character, so that the redraw shows.
        d.state.charFrameX = 92 * ((row.cell + 1) % 3);
        d.form->FrameCompositor();
        Form2 dialog(*d.form);
        dialog.show();

        pressAt(dialog.Picture1, centreX(row.cell), centreY(), row.button);
        CHECK(!dialog.isLoaded());
        CHECK(d.state.charFrameX == 92 * row.cell);
        CHECK(d.state.gravity == row.gravity);
        if (row.cell == 3)
            CHECK(showsSprite(d.frame(), 110, 95, sheet("nikuk"), 0, 82, 67));
        else
            CHECK(showsSprite(d.frame(), 106, 120, sheet("niku"), 92 * row.cell, 92, 42));
    }
}

// Dragged out of the strip with a button held, the strip keeps the mouse; a
// second button pressed there must not pick the character that is not offered.
TEST_CASE("a press beyond the strip picks nothing")
{
    GameDriver d;
    Form2 dialog(*d.form);
    dialog.show();
    PictureBox &strip = dialog.Picture1;
    pressAt(strip, 110, 28, MouseButton::Left); // the gap: nothing
    moveTo(strip, centreX(3), centreY(), MouseButton::Left);
    pressAt(strip, centreX(3), centreY(), MouseButton::Right);
    CHECK(dialog.isLoaded());
    CHECK(d.state.charFrameX == 0);
    CHECK(dialog.Chara.caption() == prompt);
}

// The real button: a fresh dialog at each opening, modal.
TEST_CASE("opened by the main window's button")
{
    GameDriver d;
    bool seen = false;
    whileShown<Form2>(d.toolkit, [](Form2 &dialog) {
        CHECK(Twips::toPixels(dialog.width()) == 359);
        CHECK(dialog.isModal());
        dialog.Picture1.mouseMove(0, 0, 2500, 400);
        CHECK(dialog.Chara.caption() == Form2::description(1));
        dialog.requestClose();
        CHECK(!dialog.isLoaded());
    }, seen);
    d.form->Cmd_nikusel.click();
    CHECK(seen);
    CHECK(d.state.charFrameX == 0);

    d.state.hiddenMode = 1;
    whileShown<Form2>(d.toolkit, [](Form2 &dialog) {
        CHECK(Twips::toPixels(dialog.width()) == 471);
        CHECK(dialog.Chara.caption() == prompt);
        pressAt(dialog.Picture1, centreX(3), centreY(), MouseButton::Left);
    }, seen);
    d.form->Cmd_nikusel.click();
    CHECK(seen);
    CHECK(d.toolkit.modalShows() == std::vector<std::string> { "Form2", "Form2" });
    CHECK(d.state.charFrameX == 276);
    CHECK(d.state.gravity == 8.2);
    CHECK(d.form->activeControl() == &d.form->Cmd_jump);
    d.jump();
    CHECK(d.tickUntilLanded() == 14); // launch speed 75, gravity 8.2
}

// The jump goes on behind the dialog; the new gravity rules from the next tick.
TEST_CASE("chosen during a flight")
{
    GameDriver d;
    d.jump();
    bool seen = false;
    int ticksBehind = 0;
    whileShown<Form2>(d.toolkit, [&](Form2 &dialog) {
        d.tick();
        d.tick();
        ticksBehind = d.form->windowState().jumpTime / 2;
        pressAt(dialog.Picture1, centreX(2), centreY(), MouseButton::Left);
    }, seen);
    d.form->Cmd_nikusel.click();
    CHECK(seen);
    CHECK(ticksBehind == 2);
    CHECK(d.form->timer().enabled());
    const double before = d.state.charY;
    const double t = d.form->windowState().jumpTime + 2;
    d.tick();
    CHECK((before - d.state.charY) * 15 == doctest::Approx(75 * t - 9.0 / 2 * t * t));
}
