// Zubrik: the character sheet: a cartoon joint, a slab of beef, a drumstick.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Colours.h"
#include "tools/paint_pictures/Pictures.h"
#include "tools/paint_pictures/Rng.h"
#include "tools/paint_pictures/SpriteCell.h"

#include <cmath>

using namespace colours;

namespace pictures {

namespace {

constexpr int kCellWidth = 92;
constexpr int kCellHeight = 42;

constexpr QRgb kBoneDark = rgb(88, 88, 88);
constexpr QRgb kBoneLight = rgb(180, 180, 180);
constexpr QRgb kMeatLight = rgb(198, 33, 33);
constexpr QRgb kMeatDark = rgb(110, 0, 0);
constexpr QRgb kMeatDarkest = rgb(74, 0, 0);
constexpr QRgb kOlive = rgb(128, 128, 0);

constexpr QRgb kBeefLight = rgb(255, 115, 115);
constexpr QRgb kBeefSide = rgb(173, 16, 16);
constexpr QRgb kBeefSideDark = rgb(123, 0, 0);
constexpr QRgb kFatShade = rgb(255, 198, 198);

constexpr QRgb kRoastLight = rgb(255, 156, 41);
constexpr QRgb kRoastShine = rgb(255, 214, 140);
constexpr QRgb kRoastDark = rgb(156, 66, 0);
constexpr QRgb kRoastCrisp = rgb(181, 82, 0);
constexpr QRgb kKnuckle = rgb(214, 214, 214);
constexpr QRgb kKnuckleShade = rgb(156, 156, 156);

// Character 0: a thick roll of meat on a bone whose double knobs stick out
// at both ends and touch the sides of the cell.
Canvas mangaMeat()
{
    Canvas bone(kCellWidth, kCellHeight);
    bone.fillRect(6, 16, 80, 10, kBone);
    for (const int x : {0, 79}) {
        bone.fillEllipse(x, 8, 13, 13, kBone);
        bone.fillEllipse(x, 21, 13, 13, kBone);
    }
    bone.setClipToShape(true);
    bone.shadeRim(1, 1, 3, kBoneDark);
    bone.shadeRim(-1, -1, 2, kBoneLight);
    for (const int x : {0, 79}) {
        bone.hline(x + 3, x + 6, 10, kWhite);
        bone.hline(x + 2, x + 3, 11, kWhite);
        bone.hline(x + 3, x + 6, 23, kWhite);
        bone.hline(x + 2, x + 3, 24, kWhite);
    }
    bone.setClipToShape(false);
    bone.outlineInside(kBlack);

    Canvas meat(kCellWidth, kCellHeight);
    meat.fillEllipse(16, 0, 60, 42, kMangaMeat);
    meat.setClipToShape(true);
    meat.shadeRim(1, 1, 7, kMeatDark);
    meat.shadeRim(1, 1, 3, kMeatDarkest);
    meat.shadeRim(-1, -1, 4, kMeatLight);
    meat.fillEllipse(26, 5, 14, 6, kMeatLight);
    meat.fillEllipse(29, 6, 6, 3, rgb(232, 90, 90));
    // Thin olive strings bound round the roll, bowed by its roundness.
    for (const int xc : {31, 45, 59}) {
        for (int y = 2; y <= 39; ++y) {
            const double t = (y - 20.5) / 20.0;
            const int bow = int(std::lround(3.0 * (1.0 - t * t)));
            meat.set(xc + bow, y, kOlive);
        }
    }
    meat.setClipToShape(false);
    meat.outlineInside(kBlack);

    Canvas cell(kCellWidth, kCellHeight);
    cell.draw(bone, 0, 0);
    cell.draw(meat, 0, 0);
    return cell;
}

// Character 1: raw marbled beef seen a little from above, its cut side
// showing darker along the bottom.
Canvas beefSlab()
{
    const std::vector<QPoint> top = {{1, 9},   {9, 2},   {24, 0},  {44, 3},  {62, 0},
                                     {80, 1},  {89, 6},  {92, 15}, {90, 24}, {84, 32},
                                     {66, 34}, {48, 32}, {30, 34}, {12, 33}, {2, 27},
                                     {0, 17}};
    std::vector<QPoint> side = top;
    for (QPoint &p : side)
        p.ry() += 8;

    Canvas slab(kCellWidth, kCellHeight);
    slab.fillPolygon(side, kBeefSide);
    slab.setClipToShape(true);
    slab.shadeRim(0, 1, 3, kBeefSideDark);
    // A vein of fat along the cut side.
    for (int x = 0; x < kCellWidth; ++x)
        slab.set(x, 36 + ((x / 7) % 2), kFatShade);
    slab.setClipToShape(false);

    Canvas face(kCellWidth, kCellHeight);
    face.fillPolygon(top, kBeef);
    face.setClipToShape(true);
    face.fillPolygon({{40, 18}, {92, 12}, {92, 34}, {40, 34}}, kBeefDeep);
    face.fillPolygon({{0, 26}, {22, 22}, {34, 34}, {0, 34}}, kBeefDeep);
    face.shadeRim(-1, -1, 2, kBeefLight);
    // Jagged streaks of fat: short random walks across the face.
    Rng rng(41);
    const QPoint starts[] = {{6, 12}, {14, 24}, {40, 6}, {52, 24}, {66, 10}, {30, 16}};
    for (const QPoint &start : starts) {
        QPoint p = start;
        const int steps = 5 + rng.below(4);
        for (int k = 0; k < steps; ++k) {
            const QPoint q(p.x() + 2 + rng.below(3), p.y() - 2 + rng.below(5));
            face.line(p.x(), p.y() + 1, q.x(), q.y() + 1, kFatShade);
            face.line(p.x(), p.y(), q.x(), q.y(), kWhite);
            p = q;
        }
    }
    for (int k = 0; k < 22; ++k) {
        const int x = 4 + rng.below(84);
        const int y = 3 + rng.below(28);
        face.set(x, y, kWhite);
        face.set(x + 1, y, kFatShade);
    }
    face.setClipToShape(false);

    Canvas cell(kCellWidth, kCellHeight);
    cell.draw(slab, 0, 0);
    cell.draw(face, 0, 0);
    // One outline round the whole slab, and a line where face meets side.
    Canvas silhouette = cell;
    silhouette.outlineInside(kBlack);
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x)
            if (silhouette.at(x, y) == kBlack || (!face.isClear(x, y) && face.isClear(x, y + 1)))
                cell.set(x, y, kBlack);
    return cell;
}

// Character 2: a roast drumstick, plump at the left, narrowing to the
// knuckle of its bone at the lower right, one row short of the cell bottom.
Canvas drumstick()
{
    Canvas bone(kCellWidth, kCellHeight);
    bone.thickLine(62, 29, 83, 34, 6, kKnuckle);
    bone.fillEllipse(80, 25, 12, 10, kKnuckle);
    bone.fillEllipse(81, 32, 11, 9, kKnuckle);
    bone.setClipToShape(true);
    bone.shadeRim(1, 1, 2, kKnuckleShade);
    bone.hline(68, 78, 30, kWhite);
    bone.hline(83, 86, 27, kWhite);
    bone.setClipToShape(false);
    bone.outlineInside(kBlack);

    Canvas body(kCellWidth, kCellHeight);
    body.fillEllipse(0, 0, 62, 38, kDrumstick);
    body.fillPolygon({{34, 4}, {54, 10}, {68, 22}, {72, 30}, {68, 37}, {50, 38}, {30, 37}},
                     kDrumstick);
    body.setClipToShape(true);
    body.shadeRim(1, 1, 6, kRoastCrisp);
    body.shadeRim(1, 1, 3, kRoastDark);
    body.shadeRim(-1, -1, 4, kRoastLight);
    body.fillEllipse(12, 6, 18, 7, kRoastLight);
    body.fillEllipse(15, 7, 9, 3, kRoastShine);
    Rng rng(184);
    for (int k = 0; k < 30; ++k) {
        const int x = 6 + rng.below(56);
        const int y = 12 + rng.below(22);
        if (body.at(x, y) == kDrumstick)
            body.set(x, y, kRoastCrisp);
    }
    body.setClipToShape(false);
    body.outlineInside(kBlack);

    Canvas cell(kCellWidth, kCellHeight);
    cell.draw(bone, 0, 0);
    cell.draw(body, 0, 0);
    return cell;
}

} // namespace

Canvas paintMeatSheet()
{
    Canvas sheet(3 * kCellWidth, 2 * kCellHeight);
    SpriteCell::place(sheet, mangaMeat(), 0, 0);
    SpriteCell::place(sheet, beefSlab(), kCellWidth, 0);
    SpriteCell::place(sheet, drumstick(), 2 * kCellWidth, 0);
    return sheet;
}

} // namespace pictures
