// Zubrik: the command line: --help and --version, Qt's standard options, and nothing else.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

// The game takes no options or arguments of its own: every run starts the same.
// It answers --help (--help-all with Qt's standard options) and --version as
// Linux programs do, and refuses anything else with a message and exit status 1;
// an answer that cannot be written fails with status 1 too.
namespace CommandLine {

constexpr int failureExitCode = 1;

// Before the game's application object: answers or refuses the arguments
// without opening a screen, so that it works on a console with no display,
// and ends the program then. Returns when the game should start: with no
// arguments, or with only options of Qt's own, which the application takes,
// and a display to open (or a platform, such as offscreen, that needs none).
void answer(int argc, char **argv);

} // namespace CommandLine
