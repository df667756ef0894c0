// Zubrik: the list of the game's pictures and the functions that paint them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Pictures.h"

namespace pictures {

std::vector<Picture> paintAll()
{
    std::vector<Picture> all;
    all.push_back({"bg0.png", paintGrassland()});
    all.push_back({"bg1.png", paintDesert()});
    all.push_back({"bg2.png", paintSpace()});
    all.push_back({"bg3.png", paintRing()});
    all.push_back({"niku.png", paintMeatSheet()});
    all.push_back({"nikuk.png", paintHiddenSheet()});
    all.push_back({"kage.png", paintShadowSheet()});
    all.push_back({"moji.png", paintTextSheet()});
    all.push_back({"icon32.png", paintIcon(32)});
    all.push_back({"icon48.png", paintIcon(48)});
    return all;
}

} // namespace pictures
