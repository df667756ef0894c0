// Zubrik: the ending window's rules: its texts, the staff roll's two columns, the way out.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "GameDriver.h"

#include "ending/Form4.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::string crlf = "\r\n";
const std::string fullWidthColon = "\xEF\xBC\x9A"; // ：

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find(crlf, at)) != std::string::npos; at = end + crlf.size())
        out.push_back(text.substr(at, end - at));
    out.push_back(text.substr(at));
    return out;
}

std::size_t occurrences(const std::string &text, const std::string &what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST_CASE("the staff roll's texts")
{
    const Form4::StaffRoll roll = Form4::staffRoll();
    const std::vector<std::string> roles = lines(roll.roles);
    const std::vector<std::string> people = lines(roll.people);
    REQUIRE(roles.size() == 12);
    CHECK(std::vector<std::string>(roles.begin(), roles.begin() + 11)
          == std::vector<std::string> { "スタッフ", "", "企画：", "デザイン：", "グラフィック：",
                                        "プログラム：", "デバッグ：", "", "スペシャルサンクス：", "",
                                        "制作・著作：" });
    CHECK(roles[11].find("Zubrik") != std::string::npos);
    REQUIRE(people.size() == 9);
    for (int line : { 0, 1, 7 }) {
        CAPTURE(line);
        CHECK(people[std::size_t(line)].empty());
    }
    for (int line : { 2, 3, 4, 5, 6, 8 }) {
        CAPTURE(line);
        CHECK(!people[std::size_t(line)].empty());
        CHECK(endsWith(roles[std::size_t(line)], fullWidthColon));
    }
    // Lines are joined, never ended, by CR LF; no bare LF or CR.
    for (const std::string &text : { roll.roles, roll.people }) {
        CHECK(!endsWith(text, crlf));
        CHECK(occurrences(text, "\n") == occurrences(text, crlf));
        CHECK(occurrences(text, "\r") == occurrences(text, crlf));
    }
}

TEST_CASE("the window's texts")
{
    GameDriver d;
    Form4 ending(*d.form);
    CHECK(ending.border() == FormBorder::None);
    CHECK(ending.caption() == "Zubrik");
    CHECK(ending.label("Label2").caption() == "Zubrik");
    CHECK(ending.label("Label3").caption() == "Ver. 3.1415.9265");
    CHECK(ending.Command1.caption() == "終わります");
}

// Both columns start at the same top in the same font, so that each line of
// the people's column prints on the rows of the same line of the roles.
TEST_CASE("the columns line up row for row")
{
    GameDriver d;
    Form4 ending(*d.form);
    const Label &roles = ending.Label1(0);
    const Label &people = ending.Label1(1);
    CHECK(people.top() == roles.top());
    CHECK(people.font() == roles.font());
    CHECK(roles.height() * 9 == people.height() * 12); // same height per line
}

TEST_CASE("the people's column follows the measured width of the roles'")
{
    GameDriver d;
    Form4 ending(*d.form);
    const Label &roles = ending.Label1(0);
    const Label &people = ending.Label1(1);
    CHECK(people.left() == roles.left() + roles.width() - 700);
    CHECK(roles.width() > 4 * 15);
    const float leftBefore = people.left();
    const float widthBefore = roles.width();

    Form4::StaffRoll longer = Form4::staffRoll();
    longer.roles += " と仲間たち";
    ending.showStaffRoll(longer);
    const float grown = roles.width() - widthBefore;
    CHECK(grown > 0);
    CHECK(people.left() - leftBefore == grown);
    CHECK(people.caption() == longer.people);
}

// The two ways out of the ending: its button, and a close request from the
// desktop (a close key, the window list, a logout), which the desktop may not
// let the game refuse. Either unloads both windows, which ends the program.
TEST_CASE("the ending unloads both windows")
{
    for (const bool byButton : { true, false }) {
        CAPTURE(byButton);
        GameDriver d;
        Form4 ending(*d.form);
        bool acted = false;
        d.toolkit.onModal = [&](Form &shown) {
            REQUIRE(&shown == &ending);
            CHECK(d.form->isLoaded());
            if (byButton)
                ending.Command1.click();
            else
                ending.requestClose();
            acted = true;
            // The toolkit would close a window still loaded: none must be.
            CHECK(!ending.isLoaded());
        };
        ending.showModal();
        CHECK(acted);
        CHECK(!ending.isLoaded());
        CHECK(!d.form->isLoaded());
        CHECK(d.toolkit.messages().empty());
        CHECK(d.toolkit.exitCode() == 0); // an ordinary end, not an error's
    }
}
