// Zubrik: the wrestling ring, with its crowd, scoreboard and a wrestler.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Colours.h"
#include "tools/paint_pictures/PixelFont.h"
#include "tools/paint_pictures/Pictures.h"

#include <cstring>

using namespace colours;

namespace pictures {

namespace {

constexpr int kStageWidth = 303;
constexpr int kStageHeight = 183;

constexpr QRgb kRopeShade = rgb(173, 123, 24);
constexpr QRgb kApronTrim = rgb(66, 66, 255);
constexpr QRgb kPostBlue = rgb(0, 99, 255);
constexpr QRgb kLavender = rgb(181, 165, 255);
constexpr QRgb kPadRed = rgb(255, 0, 0);
constexpr QRgb kMatShade = rgb(214, 214, 222);
constexpr QRgb kLamp = rgb(255, 231, 0);
constexpr QRgb kBoardFrame = rgb(132, 132, 132);
constexpr QRgb kGold = rgb(255, 198, 0);
constexpr QRgb kGoldDark = rgb(189, 123, 0);
constexpr QRgb kGoldLight = rgb(255, 247, 156);
constexpr QRgb kCrowdGreen = rgb(0, 165, 66);
constexpr QRgb kCrowdGreenDark = rgb(0, 99, 41);
constexpr QRgb kCrowdOrange = rgb(255, 132, 0);
constexpr QRgb kCrowdOrangeDark = rgb(173, 82, 0);
constexpr QRgb kBlond = rgb(255, 222, 66);
constexpr QRgb kTrunksDark = rgb(173, 0, 0);

// The mat, a trapezoid seen from the front and above.
constexpr int kMatTop = 69;
constexpr int kMatBottom = 174;
constexpr int kMatBackLeft = 62;
constexpr int kMatBackRight = 240;
constexpr int kMatFrontLeft = 22;
constexpr int kMatFrontRight = 280;

struct Key
{
    char symbol;
    QRgb colour;
};

// Stamps a bitmap of several colours; symbols not in the key stay as they were.
void stampColours(Canvas &stage, int x, int y, std::initializer_list<const char *> rows,
                  std::initializer_list<Key> key)
{
    int row = 0;
    for (const char *line : rows) {
        for (int col = 0; line[col] != '\0'; ++col)
            for (const Key &k : key)
                if (k.symbol == line[col])
                    stage.set(x + col, y + row, k.colour);
        ++row;
    }
}

void drawScoreboard(Canvas &stage)
{
    stage.fillRect(54, 1, 195, 45, kBoardFrame);
    stage.fillRect(56, 3, 191, 41, kBlack);
    for (int x = 59; x <= 242; x += 4) {
        stage.fillRect(x, 5, 2, 2, kLamp);
        stage.fillRect(x, 40, 2, 2, kLamp);
    }
    // The two sides' markers with the trophy between them.
    for (int k = 0; k < 6; ++k) {
        stage.fillRect(68 + k * 11, 12, 7, 7, kPostBlue);
        stage.fillRect(167 + k * 11, 12, 7, 7, kPadRed);
    }
    stampColours(stage, 145, 9,
                 {"GG.GGGGGGG.GG", "G..GlGGGGd..G", "G..GlGGGGd..G", ".G.GlGGGGd.G.",
                  "..GGlGGGGdG..", "....GGGGd....", ".....GGd.....", "......G......",
                  ".....GGd.....", "....GGGGd....", "...ddddddd..."},
                 {{'G', kGold}, {'d', kGoldDark}, {'l', kGoldLight}});
    const QString period = QStringLiteral("1ST ROUND");
    PixelFont::drawSmall(stage, 151 - PixelFont::smallWidth(period) / 2, 23, period, kPadRed);
    const QString time = QStringLiteral("26.38");
    PixelFont::drawSmall(stage, 152 - PixelFont::smallWidth(time, 2) / 2, 29, time, kLamp, 2);
}

void drawPost(Canvas &stage, int x, int top, int bottom, int width, QRgb body, QRgb pad,
              std::initializer_list<int> padRows)
{
    stage.fillRect(x, top, width, bottom - top + 1, body);
    stage.vline(x + width - 1, top, bottom, kBlack);
    for (const int y : padRows)
        stage.fillRect(x - 1, y - 1, width + 2, 4, pad);
}

// Ropes as pairs of lines: the rope and its shade just below it.
void drawRope(Canvas &stage, int x0, int y0, int x1, int y1)
{
    stage.line(x0, y0 + 1, x1, y1 + 1, kRopeShade);
    stage.line(x0, y0, x1, y1, kRope);
}

void drawCrowd(Canvas &stage, bool leftSide)
{
    int row = 0;
    for (int y = 50; y <= 104; y += 6, ++row) {
        for (int k = 0; k < 14; ++k) {
            const int x = (leftSide ? 1 : 251) + k * 5 + (row % 2) * 2;
            // Keep the crowd outside the ropes that run down the sides.
            const int ropeX = leftSide ? 56 - (y - 46) * 40 / 72 : 246 + (y - 46) * 40 / 72;
            if ((leftSide && x + 5 > ropeX - 2) || (!leftSide && x < ropeX + 3))
                continue;
            const bool green = ((k + row) % 3) != 0;
            stage.fillEllipse(x, y, 5, 5, green ? kCrowdGreen : kCrowdOrange);
            stage.fillRect(x + 1, y + 3, 3, 2, green ? kCrowdGreenDark : kCrowdOrangeDark);
        }
    }
}

void drawWrestler(Canvas &stage)
{
    stampColours(stage, 18, 10,
                 {"....YYYY.....", "...YYYYYY....", "..YYYYYYYY...", "..YYkssssY...",
                  "..Yskskss....", "...ssssss....", "...ssrrss....", "....ssss.....",
                  "..ssRRRRss...", ".sssRRRRsss..", "ss.sRRRRs.ss.", "ss.sRRRRs.ss.",
                  "ss.RRRRRR.ss.", "s..RRRRRR..s.", "...RRRRRR....", "...RRRrRR....",
                  "...RRR.RRR...", "...sss.sss...", "...ss...ss...", "...ss...ss...",
                  "...ss...ss...", "...RR...RR...", "..RRR...RRR.."},
                 {{'Y', kBlond}, {'s', kFlesh}, {'k', kBlack}, {'r', kTrunksDark},
                  {'R', kPadRed}});
}

} // namespace

Canvas paintRing()
{
    Canvas stage(kStageWidth, kStageHeight, kApron);
    drawScoreboard(stage);
    drawCrowd(stage, true);
    drawCrowd(stage, false);
    drawWrestler(stage);

    // Back posts and ropes first: the mat's far edge hides their feet.
    drawPost(stage, 58, 48, 70, 4, kPostBlue, kLavender, {});
    drawPost(stage, 241, 48, 70, 4, kWhite, kPadRed, {});
    for (const int y : {52, 58, 64})
        drawRope(stage, 60, y, 243, y);

    Canvas mat(kStageWidth, kStageHeight);
    mat.fillPolygon({{kMatBackLeft, kMatTop},
                     {kMatBackRight + 1, kMatTop},
                     {kMatFrontRight + 1, kMatBottom + 1},
                     {kMatFrontLeft, kMatBottom + 1}},
                    kWhite);
    mat.setClipToShape(true);
    mat.shadeRim(-1, 0, 2, kMatShade);
    mat.shadeRim(1, 0, 2, kMatShade);
    mat.setClipToShape(false);
    stage.draw(mat, 0, 0);
    stage.hline(kMatFrontLeft, kMatFrontRight, kMatBottom + 1, kApronTrim);

    // Side ropes run from the back posts down to the front posts.
    for (int k = 0; k < 3; ++k) {
        drawRope(stage, 59, 52 + 6 * k, 19, 122 + 14 * k);
        drawRope(stage, 243, 52 + 6 * k, 283, 122 + 14 * k);
    }
    drawPost(stage, 15, 114, 180, 7, kPostBlue, kLavender, {122, 136, 150});
    drawPost(stage, 280, 114, 180, 7, kWhite, kPadRed, {122, 136, 150});
    return stage;
}

} // namespace pictures
