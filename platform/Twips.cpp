// Zubrik: the unit the game's rules are written in.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Twips.h"

#include "platform/Rounding.h"

namespace Twips {

int toPixels(double twips)
{
    return Rounding::toInt32(twips / perPixel);
}

} // namespace Twips
