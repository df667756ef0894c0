// Zubrik: tests of the congratulations at the milestone counts.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "GameDriver.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

const std::string crlf = "\r\n";

// The text split at each occurrence of the separator.
std::vector<std::string> split(const std::string &text, const std::string &separator)
{
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        pieces.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos)
            return pieces;
        from = at + separator.size();
    }
}

bool contains(const std::string &text, const char *part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_CASE("eachMilestoneOnce")
{
    struct Row { int count; std::string title; std::string prompt; };
    const Row rows[] = {
        { 10, "10回おめでとう", "よしよし、10回！" },
        { 50, "50回おめでとう", "やったネ！50回！" },
        { 100, "100回おめでとう", "すごい！100回！" },
        { 300, "300回おめでとう", "ゲゲッ！300回！" },
        { 1000, "1000回おめでとう", "素晴らしい！1000回！" },
        { 3000, "3000回おめでとう", "やりすぎ！3000回！" },
        { 5000, "5000回おめでとう", "暇人め！5000回！" },
        { 10000, "10000回おめでとう", "もうメッセージはないぞ！10000回！" },
        { 10100, "10100回おめでとう", "だからもうないって！10100回！" },
        { 11000, "11000回おめでとう", "しつこいね君は、11000回！" },
        { 100000, "100000回おめでとう",
          "すばらしい！ここまでやった根性を認めよう。" + crlf + "パスワード:380215796QTMW" + crlf
              + "これを「Orvane」（Readme.txt参照）に送ろう！" + crlf + crlf
              + "ちなみに999999回でこのゲームは終わります。がんばれ！" },
    };
    for (const Row &row : rows) {
        INFO(row.count);
        GameDriver d;
        d.setCounter(std::to_string(row.count - 2));
        d.jump();
        d.tickUntilLanded();
        CHECK(d.boxes().empty()); // one short: nothing
        d.jump();
        CHECK(d.counter() == std::to_string(row.count));
        CHECK(d.boxes() == std::vector<std::string> { row.title + " | " + row.prompt });
        d.tickUntilLanded();
        d.jump(); // one past: nothing more
        CHECK(d.boxes().size() == 1);
    }
}

TEST_CASE("textsAreExactToTheCharacter")
{
    GameDriver d;
    d.setCounter("99999");
    d.jump();
    REQUIRE(d.toolkit.messages().size() == 1);
    const std::string &prompt = d.toolkit.messages().front().prompt;
    const std::vector<std::string> lines = split(prompt, crlf);
    CHECK(lines.size() == 5);
    REQUIRE(lines.size() >= 4);
    CHECK(lines[3].empty());
    // No bare line feed: every one follows a carriage return.
    for (std::size_t i = 0; i < prompt.size(); ++i)
        if (prompt[i] == '\n')
            CHECK((i > 0 && prompt[i - 1] == '\r'));
    // Full-width punctuation, in UTF-8: U+FF01 and U+3002, U+300C and U+FF08.
    CHECK((contains(lines[0], "\xEF\xBC\x81") && contains(lines[0], "\xE3\x80\x82")));
    CHECK((contains(lines[2], "\xE3\x80\x8C") && contains(lines[2], "\xEF\xBC\x88")));
    CHECK(contains(lines[1], ":"));
}

TEST_CASE("finalMilestoneHasThreeLines")
{
    GameDriver d;
    d.setCounter("999998");
    // The ending window follows this box; the headless toolkit closes it.
    d.jump();
    REQUIRE(!d.boxes().empty());
    CHECK(d.boxes().front()
          == "999999回おめでとう | "
             "たぶんここまでやる人はいないだろうが・・・とりあえずおめでとう！！！\r\n"
             "実は、一応これで終わりなのです（これ以上カウンターの桁が無い（笑））。\r\n"
             "長らくありがとうございました。");
}

TEST_CASE("countsBetweenAndBeyondShowNothing")
{
    const char *const befores[] = { "8", "10", "48", "12344", "999999", "1000000" };
    for (const char *before : befores) {
        INFO("from " << before);
        GameDriver d;
        d.setCounter(before);
        d.jump();
        CHECK(d.counter() == std::to_string(std::stoi(before) + 1));
        CHECK(d.boxes().empty());
    }
}

TEST_CASE("aPressThatDoesNotCountShowsTheMilestoneAgain")
{
    GameDriver d;
    d.setCounter("9");
    d.jump();
    d.tick();
    d.jump(); // second press: counts (to 11), no box
    d.setCounter("50");
    d.tick();
    d.jump(); // third press after a tick: no count, but the check runs
    d.jump();
    CHECK(d.counter() == "50");
    CHECK(d.boxes()
          == std::vector<std::string> { "10回おめでとう | よしよし、10回！",
                                        "50回おめでとう | やったネ！50回！",
                                        "50回おめでとう | やったネ！50回！" });
}
