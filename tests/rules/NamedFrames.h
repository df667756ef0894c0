// Zubrik: every frame the main picture can show from a start, by name, composed from the pictures apart from the game.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Image.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// standing; flight-N after tick N of a jump with the first character on the
// first stage, paused-N that frame paused; replay-N after tick N of that
// jump's replay, paused-replay-N that frame paused; standing-STAGE-CELL for
// each (stage, character cell) asked for. The game on the headless toolkit
// gives the positions, ExpectedFrame composes the pictures from the PNG
// files, and each must be what the game drew at that moment (else the
// constructor throws std::runtime_error): what a screen shows can then be
// held to them.
class NamedFrames
{
public:
    explicit NamedFrames(const std::vector<std::pair<int, int>> &stageCells = {});

    const std::map<std::string, Image> &frames() const { return m_frames; }
    int flightTicks() const { return m_flightTicks; }
    int replayTicks() const { return m_replayTicks; }

    // The names of the frames that are this picture, pixel for pixel (two
    // ticks of an arc can look alike); none for a picture of none of them.
    std::vector<std::string> namesOf(const Image &picture) const;
    // Whether a name is the pattern, whose * stands for any tick.
    static bool matches(const std::string &pattern, const std::string &name);
    // Where a name stands in a flight or a replay: its tick, paused or not.
    static std::optional<int> tickIn(const std::string &sequence, const std::string &name);

private:
    static std::uint64_t hashOf(const Image &picture);

    std::map<std::string, Image> m_frames;
    std::multimap<std::uint64_t, std::string> m_byHash;
    int m_flightTicks = 0;
    int m_replayTicks = 0;
};
