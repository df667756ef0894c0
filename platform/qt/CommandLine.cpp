// Zubrik: the command line: --help and --version, Qt's standard options, and nothing else.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/CommandLine.h"

#include "platform/qt/Application.h"
#include "platform/qt/QtOptions.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Refusals read as QCommandLineParser's own: "Zubrik: Unknown option 'x'."
[[noreturn]] void refuse(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(message));
    std::exit(CommandLine::failureExitCode);
}

// At the exit after an answer: an answer that could not be written in full
// (a full disk, a closed output) fails the program, as in every command-line tool.
void failOnUnwrittenAnswer()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return;
    const int error = errno;
    std::fprintf(stderr, "%s: write error: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                 std::strerror(error));
    std::_Exit(CommandLine::failureExitCode);
}

} // namespace

void CommandLine::answer(int argc, char **argv)
{
    Application::identify();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QtOptions qtOptions(arguments);
    if (!qtOptions.optionMissingValue().isEmpty())
        refuse(QStringLiteral("Missing value after '%1'.").arg(qtOptions.optionMissingValue()));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A jumping game: make a cut of meat jump, and count every jump.\n"
        "The game takes no arguments, reads no files and saves nothing."));
    parser.addHelpOption();
    parser.addVersionOption();
    // "-stage" is one unknown option, not five letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(qtOptions.rest()))
        refuse(parser.errorText());
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (helpAll || parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        std::atexit(failOnUnwrittenAnswer);
        // The answer names the program as invoked, which needs an application
        // object: a console one, which needs no display, or for --help-all,
        // which lists the GUI application's options too, a GUI one on the
        // offscreen platform.
        char platformOption[] = "-platform";
        char offscreen[] = "offscreen";
        char *applicationArguments[] = { argv[0], platformOption, offscreen, nullptr };
        int count = helpAll ? 3 : 1;
        std::unique_ptr<QCoreApplication> application;
        if (helpAll)
            application = std::make_unique<QApplication>(count, applicationArguments);
        else
            application = std::make_unique<QCoreApplication>(count, applicationArguments);
        parser.process(qtOptions.rest()); // prints the answer and exits
    }
    const QStringList stray = parser.positionalArguments();
    if (!stray.isEmpty())
        refuse(QStringLiteral("Unexpected argument '%1'.").arg(stray.first()));

    // Qt would abort with a core dump and advice to reinstall.
    const QStringList unset = qtOptions.unsetDisplayVariables();
    if (!unset.isEmpty()) {
        refuse(QStringLiteral("No display to open: %1 %2 not set.")
                   .arg(unset.join(QLatin1String(" and ")), QLatin1String(unset.size() == 1 ? "is" : "are")));
    }
}
