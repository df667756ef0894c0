// Zubrik: the shadow sheet, the text sprites and the program icon.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Colours.h"
#include "tools/paint_pictures/PixelFont.h"
#include "tools/paint_pictures/Pictures.h"
#include "tools/paint_pictures/SpriteCell.h"

using namespace colours;

namespace pictures {

namespace {

constexpr int kShadowCellWidth = 92;
constexpr int kShadowCellHeight = 16;

Canvas shadowCell(int x, int y, int w, int h)
{
    // Flat and opaque: the game lays the shadow over the stage as it is.
    Canvas cell(kShadowCellWidth, kShadowCellHeight);
    cell.fillEllipse(x, y, w, h, kShadow);
    return cell;
}

// "Pause": bold red letters, each inside its own one-pixel white rim.
Canvas pauseOverlay()
{
    Canvas letters(70, 20);
    int x = 11;
    constexpr int kGap = 2;
    x += kGap + PixelFont::stamp(letters, x, 2,
                                 {"#######..", "########.", "###..####", "###...###", "###...###",
                                  "###..####", "########.", "#######..", "###......", "###......",
                                  "###......", "###......", "###......", "###......", "###......",
                                  "###......"},
                                 kCaptionRed);
    x += kGap + PixelFont::stamp(letters, x, 7,
                                 {".######.", "########", ".....###", ".....###", ".#######",
                                  "########", "###..###", "###..###", "###..###", "########",
                                  ".#######"},
                                 kCaptionRed);
    x += kGap + PixelFont::stamp(letters, x, 7,
                                 {"###..###", "###..###", "###..###", "###..###", "###..###",
                                  "###..###", "###..###", "###..###", "###..###", "########",
                                  ".#######"},
                                 kCaptionRed);
    x += kGap + PixelFont::stamp(letters, x, 7,
                                 {".#######", "########", "###.....", "###.....", "#######.",
                                  ".#######", ".....###", ".....###", ".....###", "########",
                                  "#######."},
                                 kCaptionRed);
    PixelFont::stamp(letters, x, 7,
                     {".######.", "########", "###..###", "###..###", "########", "########",
                      "###.....", "###.....", "###...##", "########", ".######."},
                     kCaptionRed);

    Canvas overlay(70, 20);
    for (int y = 0; y < 20; ++y)
        for (int x2 = 0; x2 < 70; ++x2)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (!letters.isClear(x2 + dx, y + dy))
                        overlay.set(x2, y, kWhite);
    overlay.draw(letters, 0, 0);
    return overlay;
}

// The replay caption: thin white katakana on a solid red banner.
void drawReplayCaption(Canvas &sheet)
{
    sheet.fillRect(0, 0, 70, 15, kCaptionRed);
    int x = 8;
    constexpr int kTop = 2;
    constexpr int kGap = 3;
    x += kGap + PixelFont::stamp(sheet, x, kTop,
                                 {".#......#.", ".#......#.", ".#......#.", ".#......#.",
                                  ".#......#.", ".#......#.", "........#.", ".......#..",
                                  ".....##...", "..###....."},
                                 kWhite); // リ
    x += kGap + PixelFont::stamp(sheet, x, kTop - 1,
                                 {"..........##.", ".........#..#", ".#######.#..#",
                                  "........#.##.", "........#....", ".......#.....",
                                  "......#......", ".....#.......", "...##........",
                                  ".##.........."},
                                 kWhite); // プ
    x += kGap + PixelFont::stamp(sheet, x, kTop,
                                 {".#........", ".#........", ".#........", ".#........",
                                  ".#........", ".#......#.", ".#.....#..", ".#...##...",
                                  ".#.##.....", ".##......."},
                                 kWhite); // レ
    PixelFont::stamp(sheet, x, kTop,
                     {"........#.", ".......#..", "......#...", "....##....", "..##.#....",
                      "##...#....", ".....#....", ".....#....", ".....#....", ".....#...."},
                     kWhite); // イ
}

} // namespace

Canvas paintShadowSheet()
{
    Canvas sheet(276, 32);
    SpriteCell::place(sheet, shadowCell(11, 2, 70, 11), 0, 0);   // medium
    SpriteCell::place(sheet, shadowCell(0, 0, 92, 16), 92, 0);   // large
    SpriteCell::place(sheet, shadowCell(25, 5, 39, 7), 184, 0);  // small
    return sheet;
}

Canvas paintTextSheet()
{
    Canvas sheet(140, 40, kWhite);
    drawReplayCaption(sheet);
    SpriteCell::place(sheet, pauseOverlay(), 70, 0);
    return sheet;
}

} // namespace pictures
