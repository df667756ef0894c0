// Zubrik: the command line: --help and --version, Qt's standard options, and nothing else.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

class QCoreApplication;

// The game takes no options or arguments of its own: every run starts the same.
// It answers --help (--help-all with Qt's standard options) and --version as
// Linux programs do, and refuses anything else with a message and exit status 1.
namespace CommandLine {

constexpr int refusedExitCode = 1;

// Before any application object: answers --help and --version, and refuses
// stray arguments, without opening a screen, so that they work on a console
// with no display. Returns when the game should start, and also when the
// arguments hold something only the application object can judge (an option
// of Qt's own, such as -platform, or --help-all, which lists those).
void answerWithoutScreen(int argc, char **argv);

// With the application object, which has taken Qt's own options out of its
// arguments: answers or refuses what is left, and returns only if nothing is.
void answer(const QCoreApplication &application);

} // namespace CommandLine
