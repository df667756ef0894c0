// Zubrik: the colours that the game's pictures must show exactly.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QRgb>

// Colours the game's look depends on; every other shade is the painter's
// free choice and lives next to the drawing that uses it.
namespace colours {

constexpr QRgb rgb(int r, int g, int b)
{
    return 0xff000000u | (QRgb(r) << 16) | (QRgb(g) << 8) | QRgb(b);
}

constexpr QRgb kBlack = rgb(0, 0, 0);
constexpr QRgb kWhite = rgb(255, 255, 255);

constexpr QRgb kMangaMeat = rgb(156, 0, 0);
constexpr QRgb kBone = rgb(132, 132, 132);
constexpr QRgb kBeef = rgb(255, 41, 41);
constexpr QRgb kBeefDeep = rgb(233, 41, 41);
constexpr QRgb kDrumstick = rgb(214, 99, 0);
constexpr QRgb kFlesh = rgb(249, 205, 138);
constexpr QRgb kFleshShade = rgb(225, 190, 122);
constexpr QRgb kLips = rgb(223, 0, 41);

constexpr QRgb kShadow = rgb(192, 192, 192);
constexpr QRgb kCaptionRed = rgb(255, 0, 0);

// The day sky, from the top band down to the one that meets the land.
constexpr QRgb kSky0 = rgb(64, 0, 255);
constexpr QRgb kSky1 = rgb(0, 128, 255);
constexpr QRgb kSky2 = rgb(96, 160, 255);
constexpr QRgb kSky3 = rgb(160, 192, 255);
constexpr QRgb kSkyLow = rgb(128, 255, 255);

constexpr QRgb kGrass = rgb(0, 192, 64);
constexpr QRgb kSand = rgb(255, 239, 123);
constexpr QRgb kSandPale = rgb(247, 255, 198);
constexpr QRgb kMoon = rgb(128, 0, 0);
constexpr QRgb kRope = rgb(235, 190, 60);
constexpr QRgb kApron = rgb(0, 0, 190);

} // namespace colours
