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

    // Name, version and desktop id, as the desktop and --version see them. Also
    // for the console application that answers --help and --version.
    static void identify();

    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The error box's prompt for an error number and its description.
    static QString errorPrompt(int number, const QString &description);
};
