// Zubrik: the space stage, stars and a moon above a blue planet.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Colours.h"
#include "tools/paint_pictures/Pictures.h"
#include "tools/paint_pictures/Rng.h"

#include <cmath>

using namespace colours;

namespace pictures {

namespace {

constexpr int kStageWidth = 303;
constexpr int kStageHeight = 183;

constexpr QRgb kStarPale = rgb(255, 255, 156);
constexpr QRgb kMoonDark = rgb(82, 0, 0);
constexpr QRgb kMoonLight = rgb(173, 24, 24);
constexpr QRgb kOcean = rgb(16, 74, 214);
constexpr QRgb kOceanDeep = rgb(8, 41, 140);
constexpr QRgb kAir = rgb(107, 165, 255);
constexpr QRgb kLand = rgb(33, 156, 57);
constexpr QRgb kLandDark = rgb(16, 107, 33);

// The planet is a huge disc whose top lies at this row; only its cap shows.
constexpr int kPlanetTop = 124;
constexpr int kPlanetRadius = 360;
constexpr double kPlanetCentreX = 151.5;
constexpr double kPlanetCentreY = kPlanetTop + kPlanetRadius + 0.5;

double depthBelowLimb(int x, int y)
{
    const double dx = x + 0.5 - kPlanetCentreX;
    const double dy = y + 0.5 - kPlanetCentreY;
    return kPlanetRadius - std::sqrt(dx * dx + dy * dy);
}

void drawPlanet(Canvas &stage)
{
    Canvas planet(kStageWidth, kStageHeight);
    planet.fillEllipse(int(kPlanetCentreX) - kPlanetRadius, kPlanetTop, 2 * kPlanetRadius + 1,
                       2 * kPlanetRadius + 1, kOcean);
    planet.setClipToShape(true);

    // Continents: clusters of overlapping blobs.
    Rng rng(2);
    const QPoint lands[] = {{30, 150}, {95, 136}, {180, 160}, {250, 140}, {140, 178}};
    for (const QPoint &centre : lands) {
        for (int k = 0; k < 9; ++k) {
            const int w = 10 + rng.below(18);
            const int h = 4 + rng.below(7);
            planet.fillEllipse(centre.x() + rng.below(36) - 18 - w / 2,
                               centre.y() + rng.below(14) - 7 - h / 2, w, h, kLand);
        }
    }
    for (int y = 0; y < kStageHeight; ++y)
        for (int x = 0; x < kStageWidth; ++x)
            if (planet.at(x, y) == kLand && planet.at(x, y + 1) == kOcean)
                planet.set(x, y, kLandDark);

    // Cloud bands follow the curve of the limb, broken into streaks.
    for (const double band : {9.0, 21.0, 38.0}) {
        for (int x = 0; x < kStageWidth; ++x) {
            if (((x + int(band) * 7) / 23) % 3 == 0)
                continue;
            for (int y = kPlanetTop; y < kStageHeight; ++y) {
                const double d = depthBelowLimb(x, y);
                if (d >= band && d < band + 2.0 + ((x / 11) % 2))
                    planet.set(x, y, kWhite);
            }
        }
    }
    // Air glows on the limb; the night side darkens the far edges.
    for (int y = kPlanetTop; y < kStageHeight; ++y)
        for (int x = 0; x < kStageWidth; ++x) {
            if (planet.isClear(x, y))
                continue;
            const double d = depthBelowLimb(x, y);
            if (d < 2.0)
                planet.set(x, y, kAir);
            else if (d < 4.0 && (x < 40 || x > 262))
                planet.set(x, y, kOceanDeep);
        }
    planet.setClipToShape(false);
    stage.draw(planet, 0, 0);
}

} // namespace

Canvas paintSpace()
{
    Canvas stage(kStageWidth, kStageHeight, kBlack);

    Rng rng(303);
    for (int k = 0; k < 150; ++k) {
        const int x = rng.below(kStageWidth);
        const int y = rng.below(kPlanetTop + 30);
        const QRgb colour = rng.chance(35) ? kStarPale : kWhite;
        const int kind = rng.below(10);
        // Keep the moon's corner clear of stars so it stays a clean disc,
        // and keep stars apart so none grows past two pixels.
        if (x >= 268 && x <= 299 && y <= 32)
            continue;
        bool crowded = false;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                crowded = crowded || stage.at(x + dx, y + dy) != kBlack;
        if (crowded)
            continue;
        stage.set(x, y, colour);
        if (kind == 0)
            stage.set(x + 1, y, colour);
        else if (kind == 1)
            stage.set(x, y + 1, colour);
    }

    drawPlanet(stage);

    // The small dark-red moon, lit from the upper left, with a few craters.
    Canvas moon(kStageWidth, kStageHeight);
    moon.fillEllipse(273, 7, 22, 21, kMoon);
    moon.setClipToShape(true);
    moon.shadeRim(1, 1, 4, kMoonDark);
    moon.shadeRim(-1, -1, 2, kMoonLight);
    moon.fillEllipse(279, 12, 5, 4, kMoonDark);
    moon.fillEllipse(285, 19, 4, 3, kMoonDark);
    moon.fillEllipse(278, 21, 3, 2, kMoonDark);
    moon.setClipToShape(false);
    stage.draw(moon, 0, 0);
    return stage;
}

} // namespace pictures
