// Zubrik: the command line: --help and --version, Qt's standard options, and nothing else.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/CommandLine.h"

#include "platform/Application.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <vector>

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

void CommandLine::answer(int argc, char **argv)
{
    Application::identify();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    addOptions(parser);
    if (parser.parse(arguments) && !parser.isSet(QStringLiteral("help-all"))) {
        if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
            // The help text names the program as invoked, which needs an
            // application object; a console one needs no display. process()
            // prints and exits.
            const QCoreApplication console(argc, argv);
            parser.process(console);
        }
        refusePositionalArguments(parser);
        return;
    }
    // Options that only Qt can judge: its own (some with a value), or
    // --help-all, which lists them. A Qt application that opens no screen (the
    // last -platform given wins) takes its own options out and leaves the rest
    // to be answered or refused; process() prints and exits. It exits before
    // any font is loaded, so nothing is left held at the exit.
    char platformOption[] = "-platform";
    char offscreen[] = "offscreen";
    std::vector<char *> judged(argv, argv + argc);
    judged.push_back(platformOption);
    judged.push_back(offscreen);
    int judgedCount = int(judged.size());
    judged.push_back(nullptr);
    const QApplication judge(judgedCount, judged.data());
    QCommandLineParser rest;
    addOptions(rest);
    rest.process(judge);
    refusePositionalArguments(rest);
}
