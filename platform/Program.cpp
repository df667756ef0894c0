// Zubrik: the end of the program on a run-time error that no handler trapped.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Program.h"

#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/RuntimeError.h"
#include "platform/Toolkit.h"

namespace Program {
namespace {

bool endingAfterError = false;

} // namespace

int run(Form &startForm)
{
    int status = runtimeErrorExitCode;
    if (!endingWithError()) {
        startForm.show();
        status = Toolkit::current().exec();
    }
    if (endingWithError())
        status = runtimeErrorExitCode;
    resetAfterRun();
    return status;
}

void endWithError(const RuntimeError &error)
{
    // Before the box: it runs an event loop, the game's timer goes on firing
    // behind it, and no handler of the game may run again.
    endingAfterError = true;
    MessageBox::show(errorPrompt(int(error.code()), error.description()), title);
    Toolkit::current().quit(runtimeErrorExitCode);
}

bool endingWithError()
{
    return endingAfterError;
}

void resetAfterRun()
{
    endingAfterError = false;
}

std::string errorPrompt(int number, const std::string &description)
{
    return "実行時エラー '" + std::to_string(number) + "':\r\n\r\n" + description;
}

} // namespace Program
