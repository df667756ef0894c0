// Zubrik: the toolkit a build shows the game with: its peers, its boxes, its beep.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <memory>
#include <string>

class Form;
class FormPeer;
class RuntimeError;
class Timer;
class TimerPeer;

// One backend per build implements this (platform/<toolkit>/) and installs
// itself before the first form is made. The game decides everything; a
// backend decides only how to show it and feeds the native events back to
// the forms, controls and timers (through their entry points, which run the
// game's handlers through Handler).
class Toolkit
{
public:
    virtual ~Toolkit();

    // The installed backend; there must be one.
    static Toolkit &current();
    // Installs a backend (nullptr removes it). The caller keeps it alive.
    static void install(Toolkit *toolkit);

    // A native window for the form, with a native widget and peer for each of
    // its controls, attached.
    virtual std::unique_ptr<FormPeer> createPeer(Form &form) = 0;
    virtual std::unique_ptr<TimerPeer> createPeer(Timer &timer) = 0;

    // A modal box with the prompt (CR LF starts a new line), the title, an OK
    // button and no icon; returns when it is dismissed.
    virtual void showMessage(const std::string &prompt, const std::string &title) = 0;
    // The system's default beep; never blocks.
    virtual void beep() = 0;
    // Runs the event loop until quit() ends it, and returns quit()'s status.
    virtual int exec() = 0;
    // Every event loop returns, modal ones included, and exec() returns
    // exitCode: 0 once no form is loaded any more (Form::unload), or
    // Program::runtimeErrorExitCode after the error box.
    virtual void quit(int exitCode) = 0;
};
