// Zubrik: the player's script played on the real forms, on the headless toolkit, as a backend hands input on.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "NamedFrames.h"
#include "ScenarioGame.h"
#include "ScenarioScript.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Each `start` runs a ScenarioGame, whose event loops (its run, a modal show,
// a box) play the steps that follow until they end, as a player goes on
// inside a nested loop. Time passes only while an expectation waits for what
// it looks for: the clock moves on a millisecond at a time, up to a bound.
class ScenarioPlayer
{
public:
    // Milliseconds of the game's clock an expectation waits before it fails.
    static constexpr int waitBound = 10000;

    ScenarioPlayer(const ScenarioScript &script, const NamedFrames &frames);
    ~ScenarioPlayer();
    ScenarioPlayer(const ScenarioPlayer &) = delete;
    ScenarioPlayer &operator=(const ScenarioPlayer &) = delete;

    // Plays every step, or up to the first that fails: its fault, or empty.
    std::string play();
    // The steps played (the failing one included).
    std::size_t stepsPlayed() const { return m_next; }

    // (stage, cell) of every standing-STAGE-CELL frame the script names.
    static std::vector<std::pair<int, int>> stageCells(const ScenarioScript &script);

private:
    struct Verb;
    static const Verb *verbNamed(const std::string &name);

    bool playing() const { return m_failure.empty() && m_next < m_steps.size(); }
    void runUntil(const std::function<bool()> &done);
    void play(const ScenarioStep &step);
    void fail(const ScenarioStep &step, const std::string &what);
    // Fails unless `fault` comes back empty within the bound.
    void expect(const ScenarioStep &step, const std::function<std::string()> &fault);

    // The verbs.
    void start(const ScenarioStep &step);
    void exit(const ScenarioStep &step);
    void click(const ScenarioStep &step);
    void key(const ScenarioStep &step);
    void close(const ScenarioStep &step);
    void frame(const ScenarioStep &step);
    void frames(const ScenarioStep &step);
    void caption(const ScenarioStep &step);
    void enabled(const ScenarioStep &step);
    void focus(const ScenarioStep &step);
    void shownOrGone(const ScenarioStep &step);
    void box(const ScenarioStep &step);
    void look(const ScenarioStep &step);

    std::vector<std::string> frameNames() const;

    std::vector<ScenarioStep> m_steps;
    const NamedFrames &m_frames;
    std::size_t m_next = 0;
    std::string m_failure;
    std::unique_ptr<ScenarioGame> m_game;
    std::optional<int> m_exitStatus;
};
