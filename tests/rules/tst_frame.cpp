// Zubrik: tests of the frame drawn into the main picture, pixel by pixel.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "ExpectedFrame.h"
#include "GameDriver.h"
#include "PictureFiles.h"

#include <doctest/doctest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

// The sheets as shipped, read once per program.
const Image &sheet(const std::string &name)
{
    static std::map<std::string, Image> loaded;
    auto found = loaded.find(name);
    if (found == loaded.end())
        found = loaded.emplace(name, PictureFiles::load(name)).first;
    return found->second;
}

struct Point
{
    int x;
    int y;
};

// One layer of the expected frame: each pixel inside the picture becomes
// (pixel AND mask) OR sprite; a layer without a mask is copied as it is.
// The sprite is x, y, width, height in the sheet.
void layer(Image &frame, const Image &source, const int (&sprite)[4], int maskY, Point at)
{
    for (int j = 0; j < sprite[3]; ++j)
        for (int i = 0; i < sprite[2]; ++i) {
            const int dx = at.x + i, dy = at.y + j;
            if (dx < 0 || dy < 0 || dx >= frame.width() || dy >= frame.height())
                continue;
            const std::uint32_t s = source.pixel(sprite[0] + i, sprite[1] + j);
            if (maskY < 0) {
                frame.setPixel(dx, dy, s);
            } else {
                const std::uint32_t m = source.pixel(sprite[0] + i, maskY + j);
                frame.setPixel(dx, dy, 0xFF000000u | ((frame.pixel(dx, dy) & m) | s));
            }
        }
}

// Written with the places spelt out, apart from ExpectedFrame's arithmetic.
struct Expected
{
    std::string stage = "bg0";
    int shadowX = 92;
    int characterX = 0; // 276: the hidden character
    Point characterAt { 106, 120 };
    bool caption = false;
    bool overlay = false;

    Image frame() const
    {
        Image f(303, 183);
        f.paste(sheet(stage));
        layer(f, sheet("kage"), { shadowX, 0, 92, 16 }, 16, { 106, 152 });
        if (characterX == 276)
            layer(f, sheet("nikuk"), { 0, 0, 82, 67 }, 67, characterAt);
        else
            layer(f, sheet("niku"), { characterX, 0, 92, 42 }, 42, characterAt);
        if (caption)
            layer(f, sheet("moji"), { 0, 0, 70, 15 }, -1, { 10, 10 });
        if (overlay)
            layer(f, sheet("moji"), { 70, 0, 70, 20 }, 20, { 116, 82 });
        return f;
    }
};

void compareFrame(GameDriver &d, const Expected &expected)
{
    d.form->FrameCompositor();
    CHECK(firstDifference(d.frame(), expected.frame()) == "");
}

} // namespace

TEST_CASE("startUpFrame")
{
    GameDriver d;
    CHECK(firstDifference(d.frame(), Expected().frame()) == "");
}

TEST_CASE("heightsRoundTiesToEven")
{
    struct Row { const char *name; double charY; int drawnAt; };
    const Row rows[] = {
        { "100.5 -> 100", 100.5, 100 },
        { "101.5 -> 102", 101.5, 102 },
        { "22.9333", 22.9333, 23 },
        { "-0.5 -> 0", -0.5, 0 },
        { "clipped at the top", -18.7733, -19 },
        { "wholly above", -60.0, -60 },
    };
    for (const Row &row : rows) {
        INFO(row.name);
        GameDriver d;
        d.state.charY = row.charY;
        d.state.charFrameX = 92;
        d.state.shadowFrameX = 184;
        Expected e;
        e.characterX = 92;
        e.shadowX = 184;
        e.characterAt = { 106, row.drawnAt };
        compareFrame(d, e);
    }
}

TEST_CASE("everyCellAndStage")
{
    for (int stage = 0; stage < 4; ++stage)
        for (int character : { 0, 92, 184 }) {
            const int shadow = (character + 92 * stage) % 276;
            INFO("stage " << stage << " character " << character);
            GameDriver d;
            d.state.stageDc = d.form->Bg(std::int16_t(stage)).hDC();
            d.state.charFrameX = character;
            d.state.shadowFrameX = std::int16_t(shadow);
            d.state.charY = 57.25;
            Expected e;
            e.stage = "bg" + std::to_string(stage);
            e.characterX = character;
            e.shadowX = shadow;
            e.characterAt = { 106, 57 };
            compareFrame(d, e);
        }
}

TEST_CASE("hiddenCharacterIsTallerAndComesFromItsOwnSheet")
{
    GameDriver d;
    d.state.charFrameX = 276;
    Expected e;
    e.characterX = 276;
    e.characterAt = { 110, 95 }; // bottom edge level with a normal character's
    compareFrame(d, e);
    d.state.charY = -10;
    e.characterAt = { 110, -35 };
    compareFrame(d, e);
}

TEST_CASE("captionAndOverlay")
{
    GameDriver d;
    d.form->timer().setInterval(150);
    Expected e;
    e.caption = true;
    compareFrame(d, e);
    d.state.paused = 1;
    e.overlay = true;
    compareFrame(d, e);
    d.form->timer().setInterval(20);
    e.caption = false;
    compareFrame(d, e);
    // Over a character at the same place, the overlay is the top layer.
    d.state.charY = 70;
    e.characterAt = { 106, 70 };
    compareFrame(d, e);
}

TEST_CASE("drawingTwiceGivesTheSamePicture")
{
    GameDriver d;
    d.state.charY = 33.3;
    d.form->FrameCompositor();
    const Image first = d.frame();
    d.form->FrameCompositor();
    CHECK(firstDifference(d.frame(), first) == "");
}

TEST_CASE("everyTickOfAJumpIsDrawn")
{
    GameDriver d;
    d.jump();
    for (int tick = 0; tick < 11; ++tick) {
        d.tick();
        INFO("tick " << tick + 1);
        Expected e;
        e.shadowX = d.state.shadowFrameX;
        e.characterAt = { 106, int(std::nearbyint(d.state.charY)) };
        CHECK(firstDifference(d.frame(), e.frame()) == "");
    }
    d.tick(); // landing: drawn standing, shadow 92
    CHECK(firstDifference(d.frame(), Expected().frame()) == "");
}
