// Zubrik: the jump counts at which the game congratulates the player.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <string>
#include <vector>

struct Milestone
{
    double count;
    std::string prompt;
    std::string title;
};

namespace Milestones {

constexpr double finalCount = 999999;

// In the order they are searched.
const std::vector<Milestone> &table();

// The milestone whose count equals the value exactly, or nullptr.
const Milestone *find(double count);

} // namespace Milestones
