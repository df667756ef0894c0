// Zubrik: the application object: identity, screen scaling, fonts, icon, and the toolkit.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/qt/QtToolkit.h"

#include <QApplication>

class Application : public QApplication
{
    Q_OBJECT

public:
    // How a screen's fractional scale is rounded: to the nearest whole number
    // (1.25 -> 1, 1.5 -> 2, 2.5 -> 3), so that every picture pixel becomes a
    // whole block of device pixels. Must run before any application object
    // exists, in main() and in tests that make their own.
    static void setUpScreenScaling();

    // Name, version and desktop id, as the desktop and --version see them. Also
    // for the console application that answers --help and --version.
    static void identify();

    // Installs the Qt toolkit for as long as it exists.
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

private:
    QtToolkit m_toolkit;
};
