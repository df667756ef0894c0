// Zubrik: the game's pictures, carried inside the program and decoded once.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <string>
#include <vector>

class Image;

namespace Pictures {

// The picture of that name ("bg0", "niku", "icon48" ...), decoded from the PNG
// in assets/pictures/ that the build embedded. An unknown name is a
// subscript error.
const Image &image(const std::string &name);

// Every embedded picture's name.
std::vector<std::string> names();

} // namespace Pictures
