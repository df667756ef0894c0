// Zubrik: a designed font: family, size in points, weight.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <string>

struct Font
{
    // The family the designs name for their Japanese text; each backend maps
    // it onto an installed font.
    static constexpr const char *designFamily = "ＭＳ Ｐゴシック";
    // The windows' default size, as the designs were laid out with.
    static constexpr double defaultPoints = 9;

    std::string family = designFamily;
    double points = defaultPoints; // sized as on a 96-dpi screen: pixels = points * 4 / 3
    bool bold = false;

    bool operator==(const Font &other) const
    {
        return family == other.family && points == other.points && bold == other.bold;
    }
};
