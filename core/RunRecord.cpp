// Zubrik: what a player has built in a run (the count, the character, the stage, the hidden mode), as text to keep and restore.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/RunRecord.h"

#include "core/Form1.h"
#include "core/GameState.h"
#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/Label.h"
#include "platform/NumberText.h"
#include "platform/PictureBox.h"
#include "platform/Program.h"

#include <algorithm>
#include <vector>

namespace {

const std::string tag = "zubrik-run";
constexpr std::int32_t characterCell = 92; // pixels per character in the Niku sheet

// Plain decimal digits as written by text(): no sign, blank, exponent or
// leading zero, so that one record has one text. Longer than any valid
// value is refused before it could overflow.
std::optional<std::int32_t> wholeNumber(const std::string &digits)
{
    if (digits.empty() || digits.size() > 6 || (digits.size() > 1 && digits[0] == '0'))
        return std::nullopt;
    std::int32_t value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        value = value * 10 + (digit - '0');
    }
    return value;
}

std::optional<std::int32_t> field(const std::string &token, const std::string &name)
{
    if (token.compare(0, name.size() + 1, name + "=") != 0)
        return std::nullopt;
    return wholeNumber(token.substr(name.size() + 1));
}

bool inRange(std::int32_t value, std::int32_t last)
{
    return value >= 0 && value <= last;
}

} // namespace

std::optional<RunRecord> RunRecord::of(Form1 &window)
{
    if (Program::endingWithError())
        return std::nullopt;
    const GameState &state = window.gameState();
    const auto count = wholeNumber(window.Lbl_count.caption());
    if (!count || state.charFrameX % characterCell != 0
        || !inRange(state.charFrameX / characterCell, 3))
        return std::nullopt;
    RunRecord record;
    record.count = *count;
    record.character = std::int16_t(state.charFrameX / characterCell);
    record.stage = window.stageShown();
    record.hiddenMode = state.hiddenMode;
    if (!record.valid())
        return std::nullopt;
    // A gravity or speed that its choice does not give would be lost on restore.
    if (state.gravity != Form2::gravity(record.character)
        || state.launchSpeed != Form3::launchSpeed(record.stage))
        return std::nullopt;
    return record;
}

std::optional<RunRecord> RunRecord::parse(const std::string &text)
{
    std::vector<std::string> tokens;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t blank = std::min(text.find(' ', start), text.size());
        tokens.push_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    // One blank between the parts and none at the ends: the text is ours alone.
    if (tokens.size() != 6 || tokens[0] != tag || tokens[1] != ZUBRIK_VERSION
        || text.back() == ' ')
        return std::nullopt;
    const auto count = field(tokens[2], "count");
    const auto character = field(tokens[3], "character");
    const auto stage = field(tokens[4], "stage");
    const auto hidden = field(tokens[5], "hidden");
    if (!count || !character || !stage || !hidden)
        return std::nullopt;
    // Ranges first: the narrowing below keeps only values that fit.
    if (!inRange(*character, 3) || !inRange(*stage, 3) || !inRange(*hidden, 1))
        return std::nullopt;
    RunRecord record;
    record.count = *count;
    record.character = std::int16_t(*character);
    record.stage = std::int16_t(*stage);
    record.hiddenMode = std::int16_t(*hidden);
    if (!record.valid())
        return std::nullopt;
    return record;
}

std::string RunRecord::text() const
{
    return tag + " " + ZUBRIK_VERSION + " count=" + std::to_string(count)
           + " character=" + std::to_string(character) + " stage=" + std::to_string(stage)
           + " hidden=" + std::to_string(hiddenMode);
}

bool RunRecord::valid() const
{
    if (!inRange(count, maximumCount) || !inRange(character, 3) || !inRange(stage, 3)
        || !inRange(hiddenMode, 1))
        return false;
    // The fourth character and stage are offered only in the hidden mode.
    return hiddenMode == 1 || (character < 3 && stage < 3);
}

bool RunRecord::restoreInto(Form1 &window) const
{
    if (!valid())
        return false;
    GameState &state = window.gameState();
    window.Lbl_count.setCaption(NumberText::fromDouble(count));
    state.charFrameX = characterCell * character;
    state.gravity = Form2::gravity(character);
    state.stageDc = window.Bg(stage).hDC();
    state.launchSpeed = Form3::launchSpeed(stage);
    state.hiddenMode = hiddenMode;
    window.FrameCompositor();
    return true;
}

bool RunRecord::operator==(const RunRecord &other) const
{
    return count == other.count && character == other.character && stage == other.stage
           && hiddenMode == other.hiddenMode;
}
