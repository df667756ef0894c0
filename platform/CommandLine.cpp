// Zubrik: the command line: --help and --version, Qt's standard options, and nothing else.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/CommandLine.h"

#include "platform/Application.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "A jumping game: make a cut of meat jump, and count every jump.\n"
        "The game takes no arguments, reads no files and saves nothing."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// Positional arguments, which QCommandLineParser leaves to the program. Its own
// refusals read "Zubrik: Unknown option 'x'.", and so does this one.
void refusePositionalArguments(const QCommandLineParser &parser)
{
    const QStringList stray = parser.positionalArguments();
    if (stray.isEmpty())
        return;
    std::fprintf(stderr, "%s: Unexpected argument '%s'.\n",
                 qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(stray.first()));
    std::exit(CommandLine::refusedExitCode);
}

} // namespace

void CommandLine::answerWithoutScreen(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments) || parser.isSet(QStringLiteral("help-all")))
        return;
    Application::identify();
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        // The help text names the program as invoked, which needs an application
        // object; a console one needs no display. process() prints and exits.
        const QCoreApplication console(argc, argv);
        parser.process(console);
    }
    refusePositionalArguments(parser);
}

void CommandLine::answer(const QCoreApplication &application)
{
    QCommandLineParser parser;
    addOptions(parser);
    // Prints help or version and exits, or refuses an unknown option with exit status 1.
    parser.process(application);
    refusePositionalArguments(parser);
}
