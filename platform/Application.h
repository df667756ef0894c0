// Zubrik: the application object: identity, screen scaling, fonts, icon, and the last line against run-time errors.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QApplication>

// A run-time error that no handler traps ends up here: it is shown in an error
// box and the program ends with a non-zero exit status.
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

    Application(int &argc, char **argv);

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

    bool notify(QObject *receiver, QEvent *event) override;

    // The error box's prompt for an error number and its description.
    static QString errorPrompt(int number, const QString &description);
};
