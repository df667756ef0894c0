// Zubrik: a line control: a rule between two points given in twips.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Line.h"

#include "platform/Twips.h"

#include <algorithm>
#include <cstdlib>

PixelRect Line::pixelRect() const
{
    const int x1 = Twips::toPixels(m_x1), y1 = Twips::toPixels(m_y1);
    const int x2 = Twips::toPixels(m_x2), y2 = Twips::toPixels(m_y2);
    return { std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), 1),
             std::max(std::abs(y2 - y1), 1) };
}
