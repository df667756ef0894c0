// Zubrik: one run of the game on the headless toolkit, its windows as a desktop stacks them, input as a desktop delivers it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "ScenarioKeys.h"

#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/headless/HeadlessToolkit.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class Control;
class Form;

// The main window, the forms shown modally over it, a box over all: input
// reaches the one on top and no other, as a desktop keeps it from windows
// behind a modal one. The event loop is the caller's: whenever the game runs
// one (its run, a modal show, a box), `loop` is called with the condition
// that ends it, and plays the player's steps until then.
class ScenarioGame
{
public:
    using Loop = std::function<void(const std::function<bool()> &done)>;

    explicit ScenarioGame(Loop loop);
    ~ScenarioGame();
    ScenarioGame(const ScenarioGame &) = delete;
    ScenarioGame &operator=(const ScenarioGame &) = delete;

    // Program::run on the main window: returns once the game has quit, or the
    // loop has nothing more to play.
    int run();
    bool quitAsked() const { return m_toolkit->exitCode() >= 0; }

    Form1 &main() { return *m_main; }
    void advance(int milliseconds) { m_toolkit->advance(milliseconds); }

    // A loaded form by name (the innermost of that name), or nullptr.
    Form *window(const std::string &name) const;
    // FORM.CONTROL in a loaded form, or nullptr.
    Control *control(const std::string &name) const;
    // The form that takes input; nullptr while a box is up or none is loaded.
    Form *topForm() const;
    const std::optional<HeadlessToolkit::Message> &box() const { return m_box; }

    // A left click on the control, at a point of its client area in pixels
    // (a picture box) or at its centre.
    void click(Control &control, std::optional<std::pair<int, int>> at);
    // A key pressed and released in the window on top, or sent to `form`.
    void key(const ScenarioKeys::Key &key, Form *form);
    // The window's close box.
    void close(Form &form);

private:
    void modalShown(Form &form);
    void boxShown(const HeadlessToolkit::Message &message);
    void release();

    Loop m_loop;
    std::unique_ptr<HeadlessToolkit> m_toolkit;
    GameState m_state;
    std::unique_ptr<Form1> m_main;
    // Forms shown modally, innermost last.
    std::vector<Form *> m_modal;
    std::optional<HeadlessToolkit::Message> m_box;
    bool m_boxAnswered = false;
    // A key pressed and not yet released: its release goes to the window on
    // top when it comes up, which a press that opened a window has changed.
    std::optional<ScenarioKeys::Key> m_held;
};
