// Zubrik: the list of the game's pictures and the functions that paint them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "tools/paint_pictures/Canvas.h"

#include <vector>

namespace pictures {

Canvas paintGrassland();   // bg0.png
Canvas paintDesert();      // bg1.png
Canvas paintSpace();       // bg2.png
Canvas paintRing();        // bg3.png
Canvas paintMeatSheet();   // niku.png
Canvas paintHiddenSheet(); // nikuk.png
Canvas paintShadowSheet(); // kage.png
Canvas paintTextSheet();   // moji.png
Canvas paintIcon(int size); // icon32.png, icon48.png

struct Picture
{
    const char *fileName;
    Canvas canvas;
};

// Every shipped picture, in a fixed order.
std::vector<Picture> paintAll();

} // namespace pictures
