// Zubrik: the hidden character, a bald head lying tilted on its side.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Colours.h"
#include "tools/paint_pictures/PixelFont.h"
#include "tools/paint_pictures/Pictures.h"
#include "tools/paint_pictures/SpriteCell.h"

#include <algorithm>
#include <cmath>

using namespace colours;

namespace pictures {

namespace {

constexpr int kCellWidth = 82;
constexpr int kCellHeight = 67;

// The head is modelled in its own frame: u runs from the chin (-1) to the
// crown (+1), v across the face. The frame is turned so that the crown
// points to the upper right and the chin to the lower left.
constexpr double kTilt = 0.52; // radians, about 30 degrees

struct HeadPoint
{
    double u;
    double v;
};

double halfWidth(double u)
{
    // Wider at the crown than at the jaw.
    return 0.64 + 0.09 * u;
}

bool insideHead(HeadPoint p)
{
    const double w = halfWidth(p.u);
    if (p.u * p.u + (p.v / w) * (p.v / w) <= 1.0)
        return true;
    // Ears at the ends of the eye line.
    for (const double side : {-1.0, 1.0}) {
        const double du = (p.u - 0.02) / 0.17;
        const double dv = (p.v - side * halfWidth(0.02) * 0.97) / 0.11;
        if (du * du + dv * dv <= 1.0)
            return true;
    }
    return false;
}

HeadPoint toHead(double x, double y)
{
    return {x * std::cos(kTilt) - y * std::sin(kTilt), x * std::sin(kTilt) + y * std::cos(kTilt)};
}

QPointF fromHead(HeadPoint p)
{
    return {p.u * std::cos(kTilt) + p.v * std::sin(kTilt),
            -p.u * std::sin(kTilt) + p.v * std::cos(kTilt)};
}

// The head's bounding box in the turned frame, found by sampling, so that
// the drawing can be stretched to touch all four sides of the cell.
QRectF headBounds()
{
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    constexpr int kSteps = 1200;
    for (int i = 0; i <= kSteps; ++i)
        for (int j = 0; j <= kSteps; ++j) {
            const double x = -1.5 + 3.0 * i / kSteps;
            const double y = -1.5 + 3.0 * j / kSteps;
            if (!insideHead(toHead(x, y)))
                continue;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    return QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
}

QRgb headColour(HeadPoint p)
{
    const double w = halfWidth(p.u);
    // The broad bar across the eyes.
    if (std::abs(p.u - 0.14) <= 0.15 && std::abs(p.v) <= w * 0.93)
        return kBlack;
    // Lips near the chin, with the line of the mouth between them.
    const double lu = (p.u + 0.71) / 0.10;
    const double lv = p.v / 0.27;
    if (lu * lu + lv * lv <= 1.0)
        return std::abs(p.u + 0.71) < 0.022 ? kBlack : kLips;
    // The ears: the skull's line runs on across the root of each, and the
    // inner fold is in shade.
    const double skull = p.u * p.u + (p.v / w) * (p.v / w);
    if (skull > 1.0 && skull < 1.11)
        return kBlack;
    if (std::abs(p.v) > w * 1.02 && std::abs(p.u - 0.02) < 0.09)
        return kFleshShade;
    // The nose: a shaded side and a dark nostril at its tip.
    if (p.u < -0.41 && p.u > -0.46 && p.v > -0.01 && p.v < 0.07)
        return kBlack;
    if (p.u < -0.14 && p.u > -0.46 && p.v > 0.04 && p.v < 0.11)
        return kFleshShade;
    if ((std::abs(p.u - 0.43) < 0.018 || std::abs(p.u - 0.50) < 0.018) && std::abs(p.v) < 0.3)
        return kFleshShade;
    // Light from the upper left leaves the far cheek and the jaw in shade.
    if (p.v > w * 0.52 || p.u < -0.86)
        return kFleshShade;
    return kFlesh;
}

} // namespace

Canvas paintHiddenSheet()
{
    const QRectF bounds = headBounds();
    Canvas head(kCellWidth, kCellHeight);
    auto toModel = [&](double px, double py) {
        return QPointF(bounds.left() + px / kCellWidth * bounds.width(),
                       bounds.top() + py / kCellHeight * bounds.height());
    };
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x) {
            const QPointF m = toModel(x + 0.5, y + 0.5);
            const HeadPoint p = toHead(m.x(), m.y());
            if (insideHead(p))
                head.set(x, y, headColour(p));
        }
    head.outlineInside(kBlack);
    // The character select squeezes the cell to 42 rows, dropping every third
    // row or so; two rows of outline along the top and bottom edges keep at
    // least one, so the outline stays closed there too.
    head.shadeRim(0, -1, 2, kBlack);
    head.shadeRim(0, 1, 2, kBlack);

    auto toPixel = [&](HeadPoint p) {
        const QPointF m = fromHead(p);
        return QPoint(int(std::floor((m.x() - bounds.left()) / bounds.width() * kCellWidth)),
                      int(std::floor((m.y() - bounds.top()) / bounds.height() * kCellHeight)));
    };
    // Glints on the bar, one over each eye, three rows high so that the
    // squeeze keeps at least one full row of each.
    for (const double side : {-0.3, 0.32}) {
        const QPoint g = toPixel({0.17, side});
        PixelFont::stamp(head, g.x() - 1, g.y() - 1, {".##", "###", "##."}, kWhite);
    }
    // The mark on the forehead.
    const QPoint mark = toPixel({0.68, 0.0});
    PixelFont::stamp(head, mark.x() - 2, mark.y() - 2, {"#####", "#.#.#", "##.##", "#.#.#", "#...#"},
                     kBlack);

    Canvas sheet(kCellWidth, 2 * kCellHeight);
    SpriteCell::place(sheet, head, 0, 0);
    return sheet;
}

} // namespace pictures
