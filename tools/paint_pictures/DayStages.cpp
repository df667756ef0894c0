// Zubrik: the two daylight stages, the grassland and the desert.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Colours.h"
#include "tools/paint_pictures/Pictures.h"
#include "tools/paint_pictures/Rng.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace colours;

namespace pictures {

namespace {

constexpr int kStageWidth = 303;
constexpr int kStageHeight = 183;

constexpr QRgb kLeaf = rgb(0, 160, 32);
constexpr QRgb kLeafDark = rgb(0, 104, 24);
constexpr QRgb kLeafLight = rgb(96, 216, 64);
constexpr QRgb kLeafEdge = rgb(0, 64, 16);

// The sky's first four bands end at these rows; light cyan fills the rest.
void drawBandedSky(Canvas &stage, const std::array<int, 4> &bandEnds)
{
    const QRgb bands[] = {kSky0, kSky1, kSky2, kSky3};
    int top = 0;
    for (int k = 0; k < 4; ++k) {
        stage.fillRect(0, top, kStageWidth, bandEnds[k] - top + 1, bands[k]);
        top = bandEnds[k] + 1;
    }
    stage.fillRect(0, top, kStageWidth, kStageHeight - top, kSkyLow);
}

// One frond: a serrated leaf from its root along a gentle curve. `droop`
// bends the tip down, in pixels at the tip.
void drawFrond(Canvas &stage, QPointF root, double angle, double length, double width,
               double droop)
{
    std::vector<QPoint> upper;
    std::vector<QPoint> lower;
    const double cx = std::cos(angle);
    const double sy = std::sin(angle);
    const int steps = int(length / 3.0);
    for (int k = 0; k <= steps; ++k) {
        const double t = double(k) / steps;
        const double along = t * length;
        const QPointF spine(root.x() + cx * along, root.y() - sy * along + droop * t * t);
        // Teeth: every other step the edge pulls in, which makes the spikes.
        const double w = width * std::sin(M_PI * std::min(1.0, t * 1.15)) * (k % 2 ? 0.45 : 1.0);
        const QPointF normal(sy, cx);
        upper.push_back((spine - normal * w).toPoint());
        lower.push_back((spine + normal * w).toPoint());
    }
    std::vector<QPoint> outline = upper;
    outline.insert(outline.end(), lower.rbegin(), lower.rend());

    Canvas leaf(stage.width(), stage.height());
    leaf.fillPolygon(outline, kLeaf);
    leaf.setClipToShape(true);
    leaf.shadeRim(0, 1, 3, kLeafDark);
    leaf.shadeRim(0, -1, 1, kLeafLight);
    leaf.setClipToShape(false);
    leaf.outlineInside(kLeafEdge);
    // The midrib.
    for (int k = 0; k < steps; ++k) {
        const double t0 = double(k) / steps;
        const double t1 = double(k + 1) / steps;
        leaf.line(int(root.x() + cx * t0 * length), int(root.y() - sy * t0 * length + droop * t0 * t0),
                  int(root.x() + cx * t1 * length), int(root.y() - sy * t1 * length + droop * t1 * t1),
                  kLeafEdge);
    }
    stage.draw(leaf, 0, 0);
}

void speckle(Canvas &stage, QRgb over, QRgb dot, int percent, std::uint32_t seed)
{
    Rng rng(seed);
    for (int y = 0; y < stage.height(); ++y)
        for (int x = 0; x < stage.width(); ++x)
            if (rng.chance(percent) && stage.at(x, y) == over)
                stage.set(x, y, dot);
}

} // namespace

Canvas paintGrassland()
{
    Canvas stage(kStageWidth, kStageHeight);
    drawBandedSky(stage, {13, 26, 40, 52});

    constexpr QRgb kGrassDark = rgb(0, 128, 40);
    constexpr QRgb kGrassLight = rgb(96, 224, 96);
    constexpr QRgb kFarGrass = rgb(0, 160, 56);
    // Two rolling hills: the far one, a shade darker, crests at row 130 on
    // the left; the near one crests a little lower on the right.
    struct Hill { int crestX; int crestY; int spread; QRgb colour; };
    const Hill hills[] = {{70, 130, 560, kFarGrass}, {222, 134, 760, kGrass}};
    for (const Hill &hill : hills) {
        Canvas land(kStageWidth, kStageHeight);
        for (int x = 0; x < kStageWidth; ++x) {
            const int top = hill.crestY + (x - hill.crestX) * (x - hill.crestX) / hill.spread;
            land.vline(x, top, kStageHeight - 1, hill.colour);
        }
        land.setClipToShape(true);
        land.shadeRim(0, -1, 1, kGrassLight);
        land.setClipToShape(false);
        stage.draw(land, 0, 0);
    }
    speckle(stage, kGrass, kGrassDark, 9, 7);
    speckle(stage, kFarGrass, kGrassDark, 7, 8);
    // Tufts: little dark chevrons scattered over the grass.
    Rng rng(130);
    for (int k = 0; k < 70; ++k) {
        const int x = 2 + rng.below(kStageWidth - 4);
        const int y = 140 + rng.below(40);
        if (stage.at(x, y) == kGrass && stage.at(x - 1, y + 1) != kSkyLow) {
            stage.set(x - 1, y, kGrassDark);
            stage.set(x, y - 1, kGrassDark);
            stage.set(x + 1, y, kGrassDark);
        }
    }

    // The palm-like tree: a straight trunk flaring into its roots.
    constexpr QRgb kBark = rgb(140, 82, 33);
    constexpr QRgb kBarkDark = rgb(90, 50, 16);
    constexpr QRgb kBarkLight = rgb(189, 128, 66);
    Canvas trunk(kStageWidth, kStageHeight);
    trunk.fillRect(258, 79, 16, 82, kBark);
    // Roots spread in a curve, widest at the ground.
    for (int y = 146; y <= 160; ++y) {
        const int spread = (y - 146) * (y - 146) * 11 / 196;
        trunk.hline(258 - spread, 273 + spread, y, kBark);
    }
    trunk.setClipToShape(true);
    for (int y = 83; y < 150; y += 6)
        trunk.hline(258, 273, y, kBarkDark);
    trunk.shadeRim(1, 0, 4, kBarkDark);
    trunk.shadeRim(-1, 0, 3, kBarkLight);
    trunk.setClipToShape(false);
    stage.draw(trunk, 0, 0);

    // A large spiky crown: long drooping fronds at the sides, short stiff
    // ones on top, the tallest tip at row 30.
    const QPointF crown(265.5, 72.0);
    drawFrond(stage, crown, M_PI * 1.02, 56, 9, 26);  // left, drooping
    drawFrond(stage, crown, M_PI * -0.02, 48, 9, 26); // right, drooping
    drawFrond(stage, crown, M_PI * 0.86, 52, 9, 14);
    drawFrond(stage, crown, M_PI * 0.14, 48, 9, 14);
    drawFrond(stage, crown, M_PI * 0.70, 42, 8, 4);
    drawFrond(stage, crown, M_PI * 0.30, 42, 8, 4);
    drawFrond(stage, crown, M_PI * 0.56, 41, 7, 0);
    drawFrond(stage, crown, M_PI * 0.43, 43, 7, 0);
    drawFrond(stage, crown, M_PI * 1.20, 30, 7, 6);  // hanging, left
    drawFrond(stage, crown, M_PI * -0.20, 30, 7, 6); // hanging, right
    return stage;
}

Canvas paintDesert()
{
    Canvas stage(kStageWidth, kStageHeight);
    drawBandedSky(stage, {11, 24, 38, 50});

    constexpr QRgb kSandShade = rgb(231, 198, 82);
    constexpr QRgb kSandDark = rgb(206, 165, 57);
    // Dunes from back to front. Each has a sharp crest with its lit face to
    // the left; the right-hand one is the tallest and crests at row 117.
    struct Dune { int crestX; int crestY; int leftSpread; int rightSpread; };
    const auto drawDune = [&stage](const Dune &dune) {
        Canvas sand(kStageWidth, kStageHeight);
        for (int x = 0; x < kStageWidth; ++x) {
            const int dx = x - dune.crestX;
            const int spread = dx < 0 ? dune.leftSpread : dune.rightSpread;
            const int top = dune.crestY + dx * dx / (spread * spread) + std::abs(dx) / 6;
            if (top < kStageHeight)
                sand.vline(x, top, kStageHeight - 1, dx < 0 ? kSandPale : kSand);
        }
        sand.setClipToShape(true);
        sand.shadeRim(0, -1, 1, kSandShade);
        sand.setClipToShape(false);
        stage.draw(sand, 0, 0);
    };
    for (const Dune &dune : {Dune{62, 126, 14, 9}, Dune{214, 117, 11, 7}, Dune{120, 150, 20, 30}})
        drawDune(dune);

    // A palm at the right edge: a leaning striped trunk, coconuts and long
    // drooping fronds, cut off by the edge of the picture.
    constexpr QRgb kStripeRed = rgb(198, 49, 16);
    constexpr QRgb kStripeBrown = rgb(115, 57, 16);
    constexpr QRgb kStripeDark = rgb(66, 33, 8);
    Canvas trunk(kStageWidth, kStageHeight);
    for (int y = 58; y <= 170; ++y) {
        const double t = (170.0 - y) / 112.0;
        const int centre = int(std::lround(291.0 - 16.0 * t * t));
        const int half = int(std::lround(7.0 - 2.5 * t));
        trunk.hline(centre - half, centre + half, y, ((y / 5) % 2) ? kStripeRed : kStripeBrown);
    }
    trunk.setClipToShape(true);
    trunk.shadeRim(1, 0, 2, kStripeDark);
    trunk.setClipToShape(false);
    trunk.outlineInside(kStripeDark);
    stage.draw(trunk, 0, 0);
    // A low drift in front buries the foot of the trunk and carries the sand
    // on to the right edge under it.
    drawDune({288, 164, 16, 13});
    speckle(stage, kSand, kSandDark, 6, 11);
    speckle(stage, kSandPale, kSandShade, 5, 12);

    const QPointF crown(276.0, 60.0);
    drawFrond(stage, crown, M_PI * 0.90, 62, 6, 30);
    drawFrond(stage, crown, M_PI * 0.75, 52, 6, 20);
    drawFrond(stage, crown, M_PI * 0.55, 44, 6, 12);
    drawFrond(stage, crown, M_PI * 0.30, 44, 6, 14);
    drawFrond(stage, crown, M_PI * 1.06, 50, 5, 22);
    drawFrond(stage, crown, M_PI * 0.08, 40, 5, 22);

    constexpr QRgb kCoconut = rgb(99, 57, 24);
    constexpr QRgb kCoconutLight = rgb(165, 107, 49);
    for (const QPoint c : {QPoint(268, 63), QPoint(277, 65), QPoint(272, 70)}) {
        Canvas nut(kStageWidth, kStageHeight);
        nut.fillEllipse(c.x(), c.y(), 8, 8, kCoconut);
        nut.setClipToShape(true);
        nut.shadeRim(-1, -1, 1, kCoconutLight);
        nut.setClipToShape(false);
        nut.outlineInside(kStripeDark);
        stage.draw(nut, 0, 0);
    }
    return stage;
}

} // namespace pictures
