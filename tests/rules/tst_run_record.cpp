// Zubrik: tests of the kept run: its text both ways, what is refused, and a restored game.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "GameDriver.h"

#include "core/RunRecord.h"
#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/Handler.h"
#include "platform/NumberText.h"
#include "platform/Program.h"

#include <doctest/doctest.h>

#include <string>

namespace {

const std::string version = ZUBRIK_VERSION;

std::string recordText(const std::string &count, const std::string &character, const std::string &stage,
                       const std::string &hidden)
{
    return "zubrik-run " + version + " count=" + count + " character=" + character + " stage=" + stage
           + " hidden=" + hidden;
}

// Picks choice `choice` (from 0) in the dialog that `open` brings up, by its digit key.
template<class Dialog>
void pick(GameDriver &d, CommandButton &open, int choice)
{
    bool seen = false;
    DialogDriver::whileShown<Dialog>(
        d.toolkit, [choice](Dialog &dialog) { DialogDriver::press(dialog, std::to_string(choice + 1)); },
        seen);
    open.click();
    REQUIRE(seen);
}

void enterHiddenMode(GameDriver &d)
{
    d.setCounter("30");
    d.state.hiddenMode = 1;
}

} // namespace

TEST_CASE("every record the game can reach comes back from its text")
{
    const RunRecord records[] = {
        { 0, 0, 0, 0 }, { 999998, 2, 1, 0 }, { 30, 3, 3, 1 }, { 12345, 0, 3, 1 },
    };
    for (const RunRecord &record : records) {
        INFO(record.text());
        REQUIRE(record.valid());
        const auto back = RunRecord::parse(record.text());
        REQUIRE(back);
        CHECK(*back == record);
        // And through a freshly loaded game, as a reload brings it back.
        GameDriver d;
        REQUIRE(record.restoreInto(*d.form));
        const auto kept = RunRecord::of(*d.form);
        REQUIRE(kept);
        CHECK(*kept == record);
    }
}

TEST_CASE("a text that is damaged, out of range or of another version is refused whole")
{
    const std::string refused[] = {
        "",
        " ",
        "zubrik-run",
        recordText("5", "1", "2", "0").substr(0, 40),               // cut short
        recordText("5", "1", "2", "0") + " ",                        // a blank after it
        recordText("5", "1", "2", "0").replace(0, 10, "zubrik-ran"), // another tag
        "zubrik-run 0.0.1 count=5 character=1 stage=2 hidden=0",     // another version
        "zubrik-run " + version + "  count=5 character=1 stage=2 hidden=0",
        "zubrik-run " + version + " character=1 count=5 stage=2 hidden=0",
        recordText("999999", "0", "0", "0"), // the ending: that run is over
        recordText("99999999999999999999", "0", "0", "0"),
        recordText("-1", "0", "0", "0"),
        recordText("01", "0", "0", "0"),
        recordText("1e3", "0", "0", "0"),
        recordText("", "0", "0", "0"),
        recordText("１２", "0", "0", "0"), // full-width digits
        recordText("5", "4", "0", "0"),
        recordText("5", "0", "0", "2"),
        // The fourth character and stage without the hidden mode that offers them.
        recordText("5", "3", "0", "0"),
        recordText("5", "0", "3", "0"),
    };
    for (const std::string &text : refused) {
        INFO(text);
        CHECK_FALSE(RunRecord::parse(text));
    }
    // Nor does a record out of range change anything in the game.
    for (const RunRecord &record : { RunRecord { 999999, 0, 0, 0 }, RunRecord { 5, 3, 0, 0 } }) {
        GameDriver d;
        const Image before = d.frame();
        CHECK_FALSE(record.restoreInto(*d.form));
        CHECK((d.counter() == "0" && d.state.gravity == 9.8 && d.frame() == before));
    }
}

TEST_CASE("a restored run stands on the ground, unpaused, with no box, and counts on")
{
    // The same choices made by playing, for the frame and the numbers to match.
    GameDriver played;
    enterHiddenMode(played);
    pick<Form2>(played, played.form->Cmd_nikusel, 3);
    pick<Form3>(played, played.form->Cmd_stgsel, 2);
    const auto record = RunRecord::of(*played.form);
    REQUIRE(record);
    CHECK(*record == RunRecord { 30, 3, 2, 1 });

    GameDriver d;
    REQUIRE(RunRecord::parse(record->text())->restoreInto(*d.form));
    CHECK(d.counter() == "30");
    CHECK(d.boxes().empty());
    CHECK(d.state.paused == 0);
    CHECK(d.state.charY == 120);
    CHECK_FALSE(d.form->timer().enabled());
    CHECK(d.state.gravity == Form2::gravity(3));
    CHECK(d.state.launchSpeed == Form3::launchSpeed(2));
    CHECK(d.state.stageDc == d.form->Bg(2).hDC());
    CHECK(d.state.hiddenMode == 1);
    CHECK(d.frame() == played.frame());

    // The flight is the played game's, to the pixel; no box on the way.
    played.jump();
    d.jump();
    for (int tick = 0; tick < 40; ++tick) {
        played.tick();
        d.tick();
    }
    CHECK(d.frame() == played.frame());
    CHECK(d.counter() == "31");
    CHECK(d.boxes().empty());
}

TEST_CASE("a run restored one short of a milestone still reaches it")
{
    GameDriver d;
    REQUIRE(RunRecord { 9, 0, 0, 0 }.restoreInto(*d.form));
    CHECK(d.boxes().empty());
    d.jump();
    CHECK(d.boxes() == std::vector<std::string> { "10回おめでとう | よしよし、10回！" });
}

TEST_CASE("nothing is kept of a run that is over or that no play could make")
{
    SUBCASE("the ending")
    {
        GameDriver d;
        d.setCounter("999998");
        CHECK(RunRecord::of(*d.form));
        d.jump();
        CHECK_FALSE(RunRecord::of(*d.form));
    }
    SUBCASE("a run-time error")
    {
        GameDriver d;
        Handler::run([] { NumberText::toDouble("12a"); });
        REQUIRE(Program::endingWithError());
        CHECK_FALSE(RunRecord::of(*d.form));
        Program::resetAfterRun();
    }
    SUBCASE("a counter that is no whole number")
    {
        for (const char *caption : { "", "12.5", "-3", "007" }) {
            GameDriver d;
            d.setCounter(caption);
            CHECK_FALSE(RunRecord::of(*d.form));
        }
    }
    SUBCASE("a gravity its character does not give")
    {
        GameDriver d;
        d.state.gravity = 1;
        CHECK_FALSE(RunRecord::of(*d.form));
    }
}
