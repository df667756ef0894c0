// Zubrik: the end of the program on a run-time error that no handler trapped.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <string>

class Form;
class RuntimeError;

namespace Program {

constexpr int runtimeErrorExitCode = 1;
constexpr const char *title = "Zubrik";

// The program's run: shows the start form, runs the toolkit's event loop
// until the last form is unloaded (status 0) or a run-time error has ended it
// (runtimeErrorExitCode, whatever closed the windows after it), and returns
// the exit status. A run-time error in the start form's Load ends it before
// anything is shown.
int run(Form &startForm);

// Shows the error box, then every event loop returns, modal ones included,
// and the program ends with runtimeErrorExitCode. It leaves by ordinary
// returns, so every destructor on the way runs. No handler of the game runs
// any more.
void endWithError(const RuntimeError &error);

// From endWithError() until the backend has ended the run (resetAfterRun()).
bool endingWithError();
// A backend's run is over; a later run in the same process starts afresh.
void resetAfterRun();

// The error box's prompt for an error number and its description.
std::string errorPrompt(int number, const std::string &description);

} // namespace Program
