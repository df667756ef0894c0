// Zubrik: what a player has built in a run (the count, the character, the stage, the hidden mode), as text to keep and restore.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class Form1;

// The gravity and the launch speed follow from the character and the stage,
// so only the choices are kept: a record cannot pair a character with another
// one's gravity. The text carries the game's version, and a record of any
// other version is refused whole, as its tables may differ.
struct RunRecord
{
    // One short of the ending: a run that reached it is over.
    static constexpr std::int32_t maximumCount = 999998;

    std::int32_t count = 0;
    std::int16_t character = 0; // 0 to 3; 3 is the hidden mode's own
    std::int16_t stage = 0;     // 0 to 3; 3 is the hidden mode's own
    std::int16_t hiddenMode = 0;

    // The run the main window holds; nothing once a run-time error is ending
    // it, at the ending, or where it shows what no choice of the game makes.
    static std::optional<RunRecord> of(Form1 &window);
    // The record the text holds; nothing where a part is missing, malformed
    // or out of range, or where another version wrote it.
    static std::optional<RunRecord> parse(const std::string &text);

    std::string text() const;
    // The values a run of the game can reach.
    bool valid() const;
    // Into a main window that has just loaded: the meat stands on the
    // ground of the kept stage, nothing paused, nothing shown but the frame.
    // False, and the window untouched, for a record that is not valid().
    bool restoreInto(Form1 &window) const;

    bool operator==(const RunRecord &other) const;
};
