// Zubrik: the player's script played on the real forms, on the headless toolkit, as a backend hands input on.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "ScenarioPlayer.h"

#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>

namespace {

std::string quoted(std::string text)
{
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, "\\r\\n");
    return "\"" + text + "\"";
}

std::string joined(const std::vector<std::string> &names)
{
    std::string text;
    for (const std::string &name : names)
        text += (text.empty() ? "" : " ") + name;
    return text.empty() ? "a frame none of the expected" : text;
}

} // namespace

struct ScenarioPlayer::Verb
{
    std::size_t leastArgs;
    std::size_t mostArgs;
    // The controls among its arguments: the first so many.
    std::size_t controls;
    void (ScenarioPlayer::*play)(const ScenarioStep &);
};

const ScenarioPlayer::Verb *ScenarioPlayer::verbNamed(const std::string &name)
{
    constexpr std::size_t all = std::size_t(-1);
    static const std::map<std::string, Verb> verbs {
        { "start", { 0, 1, 0, &ScenarioPlayer::start } },
        { "exit", { 1, 1, 0, &ScenarioPlayer::exit } },
        { "click", { 1, 2, 1, &ScenarioPlayer::click } },
        { "click-at", { 3, 3, 1, &ScenarioPlayer::click } },
        { "key", { 1, 2, 0, &ScenarioPlayer::key } },
        { "close", { 1, 1, 0, &ScenarioPlayer::close } },
        { "frame", { 1, 1, 0, &ScenarioPlayer::frame } },
        { "frames", { 1, 1, 0, &ScenarioPlayer::frames } },
        { "caption", { 2, 2, 0, &ScenarioPlayer::caption } },
        { "enabled", { 1, all, all, &ScenarioPlayer::enabled } },
        { "disabled", { 1, all, all, &ScenarioPlayer::enabled } },
        { "focus", { 1, 1, 1, &ScenarioPlayer::focus } },
        { "shown", { 1, 1, 0, &ScenarioPlayer::shownOrGone } },
        { "gone", { 1, 1, 0, &ScenarioPlayer::shownOrGone } },
        { "box", { 2, 2, 0, &ScenarioPlayer::box } },
        { "look", { 2, 3, 1, &ScenarioPlayer::look } },
    };
    const auto found = verbs.find(name);
    return found == verbs.end() ? nullptr : &found->second;
}

ScenarioPlayer::ScenarioPlayer(const ScenarioScript &script, const NamedFrames &frames)
    : m_steps(script.steps()), m_frames(frames)
{
}

ScenarioPlayer::~ScenarioPlayer() = default;

std::string ScenarioPlayer::play()
{
    runUntil([] { return false; });
    return m_failure;
}

std::vector<std::pair<int, int>> ScenarioPlayer::stageCells(const ScenarioScript &script)
{
    std::vector<std::pair<int, int>> cells;
    for (const ScenarioStep &step : script.steps()) {
        int stage = -1, cell = -1;
        char end = 0;
        if (step.verb == "frame" && step.args.size() == 1
            && std::sscanf(step.args[0].c_str(), "standing-%d-%d%c", &stage, &cell, &end) == 2)
            cells.emplace_back(stage, cell);
    }
    return cells;
}

void ScenarioPlayer::runUntil(const std::function<bool()> &done)
{
    while (playing() && !done()) {
        const ScenarioStep &step = m_steps[m_next++];
        // Caught here, inside any nested show: the game's frames are not built
        // to be unwound (by a number in the script that is none, say).
        try {
            play(step);
        } catch (const std::exception &error) {
            fail(step, error.what());
        }
    }
}

void ScenarioPlayer::play(const ScenarioStep &step)
{
    const Verb *verb = verbNamed(step.verb);
    if (!verb)
        return fail(step, "no such verb");
    if (step.args.size() < verb->leastArgs || step.args.size() > verb->mostArgs)
        return fail(step, "wrong number of arguments");
    if (!m_game && verb->play != &ScenarioPlayer::start)
        return fail(step, "no game has started");
    for (std::size_t i = 0; i < std::min(verb->controls, step.args.size()); ++i)
        if (!m_game->control(step.args[i]))
            return fail(step, step.args[i] + " is in no window shown");
    (this->*verb->play)(step);
}

void ScenarioPlayer::fail(const ScenarioStep &step, const std::string &what)
{
    if (m_failure.empty())
        m_failure = step.where() + ": " + what;
}

void ScenarioPlayer::expect(const ScenarioStep &step, const std::function<std::string()> &fault)
{
    for (int waited = 0;; ++waited) {
        const std::string seen = fault();
        if (seen.empty())
            return;
        if (waited == waitBound)
            return fail(step, seen);
        m_game->advance(1);
    }
}

std::vector<std::string> ScenarioPlayer::frameNames() const
{
    return m_frames.namesOf(m_game->main().Pic.image());
}

void ScenarioPlayer::start(const ScenarioStep &step)
{
    if (m_game && !m_game->quitAsked())
        return fail(step, "the game before is still running");
    m_game.reset();
    m_exitStatus.reset();
    m_game = std::make_unique<ScenarioGame>([this](const std::function<bool()> &done) { runUntil(done); });
    if (const auto count = step.option("count"))
        m_game->main().Lbl_count.setCaption(*count);
    const int status = m_game->run();
    if (m_game->quitAsked())
        m_exitStatus = status;
    else
        fail(step, "the script ends with this game still running");
}

void ScenarioPlayer::exit(const ScenarioStep &step)
{
    const int wanted = std::stoi(step.args[0]);
    expect(step, [&] {
        return m_exitStatus == wanted ? std::string()
            : m_exitStatus ? "the game ended with status " + std::to_string(*m_exitStatus)
                           : std::string("the game is still running");
    });
}

void ScenarioPlayer::click(const ScenarioStep &step)
{
    Control &target = *m_game->control(step.args[0]);
    std::optional<std::pair<int, int>> at;
    if (step.verb == "click-at") {
        if (!dynamic_cast<PictureBox *>(&target))
            return fail(step, "only a picture box is clicked at a point");
        at.emplace(std::stoi(step.args[1]), std::stoi(step.args[2]));
    }
    if (!target.visible())
        return fail(step, "it is not shown");
    for (int times = std::stoi(step.option("times").value_or("1")); times > 0 && m_failure.empty(); --times)
        m_game->click(target, at);
}

void ScenarioPlayer::key(const ScenarioStep &step)
{
    const auto key = ScenarioKeys::named(step.args[0]);
    if (!key)
        return fail(step, "no such key");
    Form *form = step.args.size() == 2 ? m_game->window(step.args[1]) : nullptr;
    if (step.args.size() == 2 && !form)
        return fail(step, "no such window is shown");
    m_game->key(*key, form);
}

void ScenarioPlayer::close(const ScenarioStep &step)
{
    Form *form = m_game->window(step.args[0]);
    if (!form)
        return fail(step, "no such window is shown");
    m_game->close(*form);
}

void ScenarioPlayer::frame(const ScenarioStep &step)
{
    expect(step, [&] {
        const auto names = frameNames();
        const bool seen = std::any_of(names.begin(), names.end(), [&](const std::string &name) {
            return NamedFrames::matches(step.args[0], name);
        });
        return seen ? std::string() : "the picture shows " + joined(names);
    });
}

void ScenarioPlayer::frames(const ScenarioStep &step)
{
    const std::string &sequence = step.args[0];
    if (sequence != "flight" && sequence != "replay")
        return fail(step, "no such sequence");
    // Until the first tick the meat still stands where the last jump left it.
    int last = 0;
    for (int waited = 0; waited <= waitBound; ++waited, m_game->advance(1)) {
        const auto names = frameNames();
        if (std::find(names.begin(), names.end(), "standing") != names.end()) {
            if (last > 0)
                return;
            continue;
        }
        // The earliest of look-alikes that does not go back.
        std::optional<int> next;
        for (const std::string &name : names)
            if (const auto tick = NamedFrames::tickIn(sequence, name); tick && *tick >= last && (!next || *tick < *next))
                next = tick;
        if (!next)
            return fail(step, "after tick " + std::to_string(last) + ", the picture shows " + joined(names));
        last = *next;
    }
    fail(step, last > 0 ? "the meat never stood again" : "the meat never left the ground");
}

void ScenarioPlayer::caption(const ScenarioStep &step)
{
    const std::string &wanted = step.args[1];
    expect(step, [&] {
        if (step.args[0].find('.') == std::string::npos) {
            const Form *form = m_game->window(step.args[0]);
            return !form ? std::string("not shown")
                : form->caption() == wanted ? std::string() : "the title is " + quoted(form->caption());
        }
        const Control *shown = m_game->control(step.args[0]);
        std::string caption;
        if (const auto *label = dynamic_cast<const Label *>(shown))
            caption = label->caption();
        else if (const auto *button = dynamic_cast<const CommandButton *>(shown))
            caption = button->caption();
        else if (const auto *frame = dynamic_cast<const Frame *>(shown))
            caption = frame->caption();
        else
            return std::string("no captioned control is shown");
        return caption == wanted ? std::string() : "the caption is " + quoted(caption);
    });
}

void ScenarioPlayer::enabled(const ScenarioStep &step)
{
    const bool wanted = step.verb == "enabled";
    expect(step, [&] {
        for (const std::string &name : step.args)
            if (const Control *shown = m_game->control(name); !shown || shown->shownEnabled() != wanted)
                return name + (wanted ? " takes no input" : " takes input");
        return std::string();
    });
}

void ScenarioPlayer::focus(const ScenarioStep &step)
{
    expect(step, [&] {
        Form *top = m_game->topForm();
        const Control *focused = top ? top->activeControl() : nullptr;
        return focused && focused == m_game->control(step.args[0]) ? std::string()
            : "the focus is on " + (focused ? top->name() + "." + focused->fullName() : std::string("nothing"));
    });
}

void ScenarioPlayer::shownOrGone(const ScenarioStep &step)
{
    const bool wanted = step.verb == "shown";
    expect(step, [&] {
        const bool up = step.args[0] == "Box" ? m_game->box().has_value() : m_game->window(step.args[0]) != nullptr;
        return up == wanted ? std::string() : wanted ? "not shown" : "still shown";
    });
}

void ScenarioPlayer::box(const ScenarioStep &step)
{
    expect(step, [&] {
        const auto &box = m_game->box();
        if (!box)
            return std::string("no box is up");
        return box->title == step.args[0] && box->prompt == step.args[1] ? std::string()
            : "the box says " + quoted(box->title) + " " + quoted(box->prompt);
    });
}

// What the label is told to look like; the screen is held to it by the
// drivers that have one.
void ScenarioPlayer::look(const ScenarioStep &step)
{
    const auto *label = dynamic_cast<const Label *>(m_game->control(step.args[0]));
    const std::string back = step.option("back").value_or("");
    const bool right = step.option("align") == std::optional<std::string>("right");
    const std::optional<Color> face = label ? label->backColor() : std::nullopt;
    char colour[8] = {};
    if (face)
        std::snprintf(colour, sizeof colour, "%02X%02X%02X", face->red, face->green, face->blue);
    const Color ink = label ? label->foreColor().value_or(Color { 0, 0, 0 }) : Color {};
    if (!face || back != colour)
        fail(step, "the face is not " + back);
    else if (ink.red + ink.green + ink.blue >= 3 * 128)
        fail(step, "the text is not dark");
    else if (right != (label->alignment() == Alignment::Right))
        fail(step, right ? "the text is not set to the right" : "the text is set to the right");
}
