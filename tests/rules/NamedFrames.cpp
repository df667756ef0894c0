// Zubrik: every frame the main picture can show from a start, by name, composed from the pictures apart from the game.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "NamedFrames.h"

#include "ExpectedFrame.h"
#include "GameDriver.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

// Beyond any flight: a jump that has not landed by then never will.
constexpr int tickBound = 100;

bool startsWith(const std::string &text, const std::string &prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool allDigits(const std::string &text)
{
    return !text.empty()
        && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

FrameInputs inputsOf(const GameDriver &game, int stage = 0)
{
    const GameState &s = game.state;
    return { s.charFrameX, stage, s.charY, s.shadowFrameX, s.paused, game.form->timer().interval() };
}

} // namespace

NamedFrames::NamedFrames(const std::vector<std::pair<int, int>> &stageCells)
{
    const ExpectedFrame composer;
    // A frame the game did not draw would match nothing on screen.
    const auto keep = [&](const GameDriver &game, const std::string &name, int stage = 0) {
        const Image frame = composer.compose(inputsOf(game, stage));
        const std::string difference = firstDifference(game.frame(), frame);
        if (!difference.empty())
            throw std::runtime_error(name + ": the game drew another frame (" + difference + ")");
        m_frames[name] = frame;
    };
    // Each tick's frame until the timer stops; the number of ticks in the air.
    const auto flight = [&](GameDriver &game, const std::string &prefix) {
        int ticks = 0;
        for (game.tick(), ++ticks; game.form->timer().enabled(); game.tick(), ++ticks) {
            if (ticks > tickBound)
                throw std::runtime_error(prefix + ": no landing");
            keep(game, prefix + "-" + std::to_string(ticks));
        }
        return ticks - 1;
    };
    // The same jump paused after `ticks` of it, from a start of its own.
    const auto paused = [&](bool replay, int ticks) {
        GameDriver game;
        game.jump();
        if (replay) {
            game.tickUntilLanded();
            game.replay();
        }
        for (int i = 0; i < ticks; ++i)
            game.tick();
        game.pause();
        if (game.state.paused != 1)
            throw std::runtime_error("the pause did not hold");
        keep(game, (replay ? "paused-replay-" : "paused-") + std::to_string(ticks));
    };

    {
        GameDriver game;
        keep(game, "standing");
        game.jump();
        m_flightTicks = flight(game, "flight");
        game.replay();
        m_replayTicks = flight(game, "replay");
        keep(game, "standing");
    }
    if (m_flightTicks <= 0 || m_replayTicks <= 0)
        throw std::runtime_error("a jump that never left the ground");
    for (int tick = 1; tick <= m_flightTicks; ++tick)
        paused(false, tick);
    for (int tick = 1; tick <= m_replayTicks; ++tick)
        paused(true, tick);

    for (const auto &[stage, cell] : stageCells) {
        if (stage < 0 || stage > 3 || cell < 0 || cell > 3)
            throw std::runtime_error("no stage " + std::to_string(stage) + " or cell " + std::to_string(cell));
        // Set as the selection dialogs set them on a pick.
        GameDriver game;
        game.state.charFrameX = 92 * cell;
        game.state.stageDc = game.form->Bg(std::int16_t(stage)).hDC();
        game.form->FrameCompositor();
        keep(game, "standing-" + std::to_string(stage) + "-" + std::to_string(cell), stage);
    }
    for (const auto &[name, frame] : m_frames)
        m_byHash.emplace(hashOf(frame), name);
}

std::uint64_t NamedFrames::hashOf(const Image &picture)
{
    std::uint64_t hash = 14695981039346656037ull;
    const std::size_t count = std::size_t(picture.width()) * std::size_t(picture.height());
    for (std::size_t i = 0; i < count; ++i)
        hash = (hash ^ picture.data()[i]) * 1099511628211ull;
    return hash;
}

std::vector<std::string> NamedFrames::namesOf(const Image &picture) const
{
    std::vector<std::string> names;
    const auto [first, last] = m_byHash.equal_range(hashOf(picture));
    for (auto at = first; at != last; ++at)
        if (m_frames.at(at->second) == picture)
            names.push_back(at->second);
    return names;
}

bool NamedFrames::matches(const std::string &pattern, const std::string &name)
{
    if (pattern.empty() || pattern.back() != '*')
        return pattern == name;
    const std::string prefix = pattern.substr(0, pattern.size() - 1);
    return startsWith(name, prefix) && allDigits(name.substr(prefix.size()));
}

std::optional<int> NamedFrames::tickIn(const std::string &sequence, const std::string &name)
{
    // A flight's paused frames are paused-N, a replay's paused-replay-N.
    const bool paused = startsWith(name, "paused-");
    std::string rest = paused ? name.substr(7) : name;
    if (sequence == "flight" && paused)
        rest = "flight-" + rest;
    if (!startsWith(rest, sequence + "-") || !allDigits(rest.substr(sequence.size() + 1)))
        return std::nullopt;
    return std::stoi(rest.substr(sequence.size() + 1));
}
