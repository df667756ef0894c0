// Zubrik: the application object: identity, screen scaling, fonts, icon, and the end on a run-time error.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QApplication>

class RuntimeError;

class Application : public QApplication
{
    Q_OBJECT

public:
    static constexpr int runtimeErrorExitCode = 1;

    // How a screen's fractional scale is rounded: to the nearest whole number
    // (1.25 -> 1, 1.5 -> 2, 2.5 -> 3), so that every picture pixel becomes a
    // whole block of device pixels. Must run before any application object
    // exists, in main() and in tests that make their own.
    static void setUpScreenScaling();

    // Name, version and desktop id, as the desktop and --version see them. Also
    // for the console application that answers --help and --version.
    static void identify();

    Application(int &argc, char **argv);

    // Shows the start-up form and runs the event loop until the program ends;
    // returns the exit status. If a run-time error in the form's Load has
    // ended the program already, nothing is shown.
    static int run(QWidget &startForm);

    // Ends the program on a run-time error that no handler trapped (Handler
    // stops it where Qt called the handler): shows the error box, then every
    // event loop returns, modal ones included, and run() returns
    // runtimeErrorExitCode. The program leaves by ordinary returns, so every
    // destructor on the way runs.
    static void endWithError(const RuntimeError &error);

    // From endWithError() until run() returns.
    static bool endingWithError();

    // True when the game is a native Wayland client: the compositor, not the
    // program, places its windows.
    static bool onWayland();

    // Ends the program with the status the event loop returned, before the
    // application object is torn down, where that teardown can hang; returns
    // elsewhere. Qt 6.4's Wayland client can deadlock while it disconnects
    // (the destructor waits for its event thread, which waits for a read the
    // main thread never makes), leaving a process with no window that never
    // ends. The game keeps nothing that needs the teardown.
    static void endBeforeTeardown(int status);

    // The error box's prompt for an error number and its description.
    static QString errorPrompt(int number, const QString &description);
};
