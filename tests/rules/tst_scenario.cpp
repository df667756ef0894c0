// Zubrik: the player's script played in-process on the headless toolkit, and the script reader and player held to their word.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "ScenarioPlayer.h"

#include <doctest/doctest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

ScenarioScript playersScript()
{
    const char *source = std::getenv("ZUBRIK_SOURCE_DIR");
    if (!source)
        throw std::runtime_error("ZUBRIK_SOURCE_DIR must name the source tree");
    return ScenarioScript::load(std::string(source) + "/tests/scenario/player.scenario");
}

const NamedFrames &namedFrames()
{
    // standing-1-1 for the faults below; the script's own come from it.
    static const NamedFrames frames = [] {
        auto cells = ScenarioPlayer::stageCells(playersScript());
        cells.emplace_back(1, 1);
        return NamedFrames(cells);
    }();
    return frames;
}

std::string playText(const std::string &text)
{
    ScenarioPlayer player(ScenarioScript::parse(text), namedFrames());
    return player.play();
}

} // namespace

TEST_CASE("the player's script, every step on the real forms")
{
    const ScenarioScript script = playersScript();
    ScenarioPlayer player(script, namedFrames());
    CHECK(player.play() == "");
    CHECK(player.stepsPlayed() == script.steps().size());
}

TEST_CASE("the script's lines: words, quotes, CR LF, comments")
{
    const auto steps = ScenarioScript::parse("# a comment\n"
                                             "\n"
                                             "caption Form2.Chara \"◆牛肉\\r\\nずっしり\"  # and one after\r\n"
                                             "  key   shift+Tab\tForm1\n"
                                             "box \"\" \"a # in quotes\"\n")
                           .steps();
    REQUIRE(steps.size() == 3);
    CHECK(steps[0].line == 3);
    CHECK(steps[0].verb == "caption");
    CHECK(steps[0].args == std::vector<std::string> { "Form2.Chara", "◆牛肉\r\nずっしり" });
    CHECK(steps[1].line == 4);
    CHECK(steps[1].args == std::vector<std::string> { "shift+Tab", "Form1" });
    CHECK(steps[2].args == std::vector<std::string> { "", "a # in quotes" });

    const ScenarioStep start = ScenarioScript::parse("start count=999998").steps().at(0);
    CHECK(start.option("count") == std::optional<std::string>("999998"));
    CHECK(start.option("times") == std::nullopt);
}

TEST_CASE("a slip in the script is named by its line")
{
    const std::pair<const char *, const char *> slips[] = {
        { "start\ncaption Form1 \"Zubrik", "line 2: a quote is not closed" },
        { "caption Form1 \"a\\tb\"", "line 1: the only escape is \\r\\n" },
        { "caption Form1 \"a\"b", "line 1: a quoted argument runs on past its quote" },
        { "caption Form1 a\"b\"", "line 1: a quote opens inside a word" },
    };
    // Not a structured binding: CAPTURE's lambda may not capture one in C++17.
    for (const auto &slip : slips) {
        const char *text = slip.first, *message = slip.second;
        CAPTURE(std::string(text));
        CHECK_THROWS_WITH_AS(ScenarioScript::parse(text), message, std::runtime_error);
    }
}

// Each script must fail, at the step and for the reason given: the player's
// expectations can fail, and its input keeps to the desktop's rules.
TEST_CASE("the player fails where the game does not do what the script says")
{
    const std::pair<const char *, const char *> faults[] = {
        { "start\ncaption Form1.Lbl_count \"1\"", "line 2: caption Form1.Lbl_count 1: the caption is \"0\"" },
        { "start\nfocus Form1.Cmd_pause", "focus Form1.Cmd_pause: the focus is on Form1.Cmd_jump" },
        { "start\nframe standing-1-1", "frame standing-1-1: the picture shows standing" },
        { "start\nframes flight", "frames flight: the meat never left the ground" },
        { "start\nkey space\nframes replay", "frames replay: after tick 0, the picture shows flight-1" },
        { "start\ndisabled Form1.Cmd_pause", "Form1.Cmd_pause takes input" },
        { "start\nshown Form2", "shown Form2: not shown" },
        { "start\nclose Form1\nexit 1", "exit 1: the game ended with status 0" },
        { "start\nclose Form1\ngone Form1\nstart\nstart", "line 5: start: the game before is still running" },
        { "start\nkey space", "line 1: start: the script ends with this game still running" },
        { "start\nclick Form1.Bg(0)", "click Form1.Bg(0): it is not shown" },
        { "start\nkey F13", "key F13: no such key" },
        { "start\njump", "jump: no such verb" },
        { "start\nclick Form1.Cmd_jump times=x", "times=x: stoi" },
        // Behind the dialog the main window takes neither: the count stays.
        { "start\nclick Form1.Cmd_nikusel\nclick Form1.Cmd_jump\nkey Return Form1\nkey Escape\n"
          "caption Form1.Lbl_count \"1\"", "line 6: caption Form1.Lbl_count 1: the caption is \"0\"" },
        // Nor behind a box: at 10 only its own Return goes on.
        { "start count=9\nclick Form1.Cmd_jump\nkey space Form1\nclick Form1.Cmd_jump\nkey Return\n"
          "frame standing\nkey Return\ncaption Form1.Lbl_count \"10\"", "line 8: caption Form1.Lbl_count 10: the caption is \"11\"" },
    };
    for (const auto &fault : faults) {
        const char *text = fault.first, *message = fault.second;
        CAPTURE(std::string(text));
        const std::string failure = playText(text);
        CHECK_MESSAGE(failure.find(message) != std::string::npos, failure);
    }
}
