// Zubrik: the end of the program on a run-time error that no handler trapped.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <string>

class RuntimeError;

namespace Program {

constexpr int runtimeErrorExitCode = 1;
constexpr const char *title = "Zubrik";

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
