// Zubrik: an untrapped run-time error ends the program: its box, status 1, and no handler after it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "GameDriver.h"

#include "assets/Designs.h"
#include "platform/Handler.h"
#include "platform/NumberText.h"
#include "platform/Program.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

// Each case is a run of its own: the next starts afresh, as a backend's next
// run would.
struct Run
{
    ~Run() { Program::resetAfterRun(); }
};

// The game's timer goes on firing behind a real box until the player answers
// it; so does this one's, for a while.
void readBoxesSlowly(GameDriver &d)
{
    d.toolkit.onMessage = [&d](const HeadlessToolkit::Message &) { d.toolkit.advance(200); };
}

// A start-up form whose Load fails, raised as the game raises its start-up
// form's: from the constructor, before any event loop runs.
class FailingStartForm : public Form
{
public:
    FailingStartForm() : Form(Designs::form4())
    {
        Handler::run([] { NumberText::toDouble("12a"); });
    }
};

const std::string typeMismatch = "実行時エラー '13':\r\n\r\nType mismatch";

} // namespace

TEST_CASE_FIXTURE(Run, "an error while the start form loads ends the program")
{
    HeadlessToolkit toolkit;
    FailingStartForm form;
    REQUIRE(toolkit.messages().size() == 1);
    CHECK(toolkit.messages()[0].prompt == typeMismatch);
    CHECK(toolkit.messages()[0].title == "Zubrik");
    CHECK(toolkit.exitCode() == 1);
}

// The game is over once the box is up: a jump in flight goes no further.
TEST_CASE_FIXTURE(Run, "a counter that is not a number ends the program")
{
    GameDriver d;
    readBoxesSlowly(d);
    d.jump();
    d.setCounter("12a");
    // The second press restarts the jump clock, then fails to count.
    d.jump();
    CHECK(d.boxes() == std::vector<std::string> { "Zubrik | " + typeMismatch });
    CHECK(d.toolkit.exitCode() == 1);
    CHECK(d.form->windowState().jumpTime == 0);
    // Nothing of the game runs any more: not the clock, not a button.
    d.toolkit.advance(1000);
    d.replay();
    d.pause();
    CHECK(d.form->windowState().jumpTime == 0);
    CHECK(d.form->timer().interval() == 20);
    CHECK(d.state.paused == 0);
    CHECK(d.boxes().size() == 1);
}

TEST_CASE_FIXTURE(Run, "an overflow in a tick ends the program")
{
    GameDriver d;
    readBoxesSlowly(d);
    d.state.charY = 3e9; // a frame cannot place the character there
    d.jump();
    // The first tick moves the character and draws: the drawing overflows.
    d.tick();
    REQUIRE(d.boxes().size() == 1);
    CHECK(d.boxes()[0].find("実行時エラー '6'") != std::string::npos);
    CHECK(d.toolkit.exitCode() == 1);
    // The clock of that one tick: no tick ran after it, behind the box or later.
    CHECK(d.form->windowState().jumpTime == 2);
    d.toolkit.advance(1000);
    CHECK(d.form->windowState().jumpTime == 2);
    CHECK(d.boxes().size() == 1);
}
