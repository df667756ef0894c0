// Zubrik: the real program's command line: --help, --version, Qt's own options, and refusals.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "BuiltProgram.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Offscreen: QT_QPA_PLATFORM=offscreen. X11: DISPLAY names the test's own X server.
// None: no display and no platform named, as on a console.
enum class Screen { Offscreen, X11, None };
// Where the standard output goes: read back, or a device that is always full.
enum class Output { Read, FullDevice };

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

Q_DECLARE_METATYPE(Screen)
Q_DECLARE_METATYPE(Output)

class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    QProcess xServer;
    QString xDisplay; // ":N", the X server's

    QProcessEnvironment environmentFor(Screen screen) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : { "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM" })
            environment.remove(QString::fromLatin1(variable));
        if (screen == Screen::Offscreen)
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        else if (screen == Screen::X11)
            environment.insert(QStringLiteral("DISPLAY"), xDisplay);
        return environment;
    }

    void start(QProcess &game, const QStringList &arguments, Screen screen) const
    {
        game.setProcessEnvironment(environmentFor(screen));
        startBuiltProgram(game, QStringLiteral(ZUBRIK_EXECUTABLE), arguments);
        QVERIFY(game.waitForStarted());
    }

private Q_SLOTS:
    // An X server of the test's own, for X11's options; it reports the
    // display number it picked once it listens.
    void initTestCase()
    {
        xServer.start(QStringLiteral("Xvfb"), { "-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp" });
        QVERIFY2(xServer.waitForStarted(), "Xvfb did not start");
        while (!xServer.canReadLine() && xServer.waitForReadyRead(10000)) { }
        xDisplay = QLatin1Char(':') + QString::fromLatin1(xServer.readLine()).trimmed();
        QVERIFY2(xDisplay.size() > 1, "Xvfb reported no display");
    }

    void cleanupTestCase()
    {
        xServer.terminate();
        xServer.waitForFinished();
    }

    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<Output>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a pattern the whole standard output matches
        QTest::addColumn<QString>("err"); // a pattern the whole standard error matches
        const auto row = [](const char *name, const QStringList &arguments, Screen screen, int exitCode,
                            const QString &out, const QString &err, Output output = Output::Read) {
            QTest::newRow(name) << arguments << screen << output << exitCode << out << err;
        };

        const QString version = QStringLiteral("Zubrik 3\\.1415\\.9265\\n");
        const QString help = QStringLiteral("Usage: \\S*zubrik \\[options\\]\\n(.*\\n)*"
                                            "  -h, --help .*\\n  --help-all .*\\n  -v, --version .*\\n");
        const QString helpAll = QStringLiteral("Usage: \\S*zubrik \\[options\\]\\n(.*\\n)*  --platform .*\\n(.*\\n)*");
        const QString warnings = QStringLiteral("(QStandardPaths: .*\\n)*"); // the test machine's, not ours
        const auto refusal = [](const char *message) { return QStringLiteral("Zubrik: %1\\n").arg(QLatin1String(message)); };
        row("--version", { "--version" }, Screen::Offscreen, 0, version, warnings);
        row("-v", { "-v" }, Screen::Offscreen, 0, version, warnings);
        row("--help", { "--help" }, Screen::Offscreen, 0, help, warnings);
        row("-h", { "-h" }, Screen::Offscreen, 0, help, warnings);
        // On a console with no display at all, as `man`-page tools and ssh sessions run it.
        row("--version, no display", { "--version" }, Screen::None, 0, version, QString());
        row("--help, no display", { "--help" }, Screen::None, 0, help, QString());
        row("stray argument, no display", { "stage2" }, Screen::None, 1, QString(),
            refusal("Unexpected argument 'stage2'\\."));
        row("unknown option, no display", { "--count=999998" }, Screen::None, 1, QString(),
            warnings + refusal("Unknown option 'count'\\."));
        // --help-all lists Qt's own options too, which only the GUI application knows.
        row("--help-all", { "--help-all" }, Screen::Offscreen, 0, helpAll, warnings);
        row("--help-all, no display", { "--help-all" }, Screen::None, 0, helpAll, warnings);
        row("unknown long option", { "--count=999998" }, Screen::Offscreen, 1, QString(),
            warnings + refusal("Unknown option 'count'\\."));
        row("unknown short option", { "-x" }, Screen::Offscreen, 1, QString(),
            warnings + refusal("Unknown option 'x'\\."));
        // Single-dash words are options by name, never runs of letters.
        row("unknown single-dash word", { "-stage" }, Screen::Offscreen, 1, QString(),
            refusal("Unknown option 'stage'\\."));
        // Qt takes its own options first; what is left is still refused.
        row("Qt option, then unknown", { "-reverse", "--stage", "3" }, Screen::Offscreen, 1, QString(),
            warnings + refusal("Unknown option 'stage'\\."));
        row("positional argument", { "Readme.txt" }, Screen::Offscreen, 1, QString(),
            warnings + refusal("Unexpected argument 'Readme\\.txt'\\."));
        row("after --", { "--", "--help" }, Screen::Offscreen, 1, QString(),
            warnings + refusal("Unexpected argument '--help'\\."));
        // A Qt option at the end with its value missing is refused by its own
        // name, and never taken as a platform or a style named after an option.
        row("-platform, no value", { "-platform" }, Screen::Offscreen, 1, QString(),
            refusal("Missing value after '-platform'\\."));
        row("-platform, no value, no display", { "-platform" }, Screen::None, 1, QString(),
            refusal("Missing value after '-platform'\\."));
        row("-style, no value", { "-style" }, Screen::Offscreen, 1, QString(),
            refusal("Missing value after '-style'\\."));
        row("--qwindowtitle, no value", { "-reverse", "--qwindowtitle" }, Screen::Offscreen, 1, QString(),
            refusal("Missing value after '--qwindowtitle'\\."));
        // X11's options belong to the platform the game would run on: X11
        // (Qt's choice with no display named), not the offscreen one. Qt 6
        // has no -sync of its own any more.
        row("-display, no value", { "-display" }, Screen::None, 1, QString(),
            refusal("Missing value after '-display'\\."));
        row("-display, offscreen", { "-display", ":0" }, Screen::Offscreen, 1, QString(),
            refusal("Unknown option 'display'\\."));
        row("-sync", { "-sync" }, Screen::X11, 1, QString(), refusal("Unknown option 'sync'\\."));
        // Nothing to open a window on: one line, before Qt's abort.
        row("no display", {}, Screen::None, 1, QString(), refusal("No display to open: DISPLAY is not set\\."));
        row("-platform wayland, no display", { "-platform", "wayland" }, Screen::None, 1, QString(),
            refusal("No display to open: WAYLAND_DISPLAY is not set\\."));
        row("-platform wayland;xcb, no display", { "-platform", "wayland;xcb" }, Screen::None, 1, QString(),
            refusal("No display to open: WAYLAND_DISPLAY and DISPLAY are not set\\."));
        // An answer that cannot be written is a failure, as in every command-line tool.
        const QString writeError = refusal("write error: No space left on device");
        row("--version, full device", { "--version" }, Screen::None, 1, QString(), writeError, Output::FullDevice);
        row("--help, full device", { "--help" }, Screen::None, 1, QString(), writeError, Output::FullDevice);
        row("--help-all, full device", { "--help-all" }, Screen::None, 1, QString(), warnings + writeError,
            Output::FullDevice);
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Screen, screen);
        QFETCH(Output, output);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess game;
        if (output == Output::FullDevice)
            game.setStandardOutputFile(QStringLiteral("/dev/full"));
        start(game, arguments, screen);
        QVERIFY2(game.waitForFinished(30000), "the program did not answer and end");
        const QString gotOut = QString::fromLocal8Bit(game.readAllStandardOutput());
        const QString gotErr = QString::fromLocal8Bit(game.readAllStandardError());
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QVERIFY2(game.exitCode() == exitCode, qPrintable(gotErr));
        const auto whole = [](const QString &pattern) {
            return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
        };
        QVERIFY2(whole(out).match(gotOut).hasMatch(), qPrintable(gotOut));
        QVERIFY2(whole(err).match(gotErr).hasMatch(), qPrintable(gotErr));
    }

    // Qt's standard options, some with a value, leave nothing behind to refuse:
    // the game starts and runs until it is closed.
    void qtOptionsStartTheGame_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Screen>("screen");
        QTest::newRow("-reverse") << QStringList { "-reverse" } << Screen::Offscreen;
        QTest::newRow("-style Fusion") << QStringList { "-style", "Fusion" } << Screen::Offscreen;
        QTest::newRow("--style=Fusion") << QStringList { "--style=Fusion" } << Screen::Offscreen;
        QTest::newRow("--qwindowtitle") << QStringList { "--qwindowtitle", "jump" } << Screen::Offscreen;
        QTest::newRow("-platform offscreen") << QStringList { "-platform", "offscreen" } << Screen::Offscreen;
        QTest::newRow("-platform offscreen, no display") << QStringList { "-platform", "offscreen" } << Screen::None;
        // X11's own, on an X server.
        QTest::newRow("-display, no DISPLAY") << QStringList { "-display", xDisplay } << Screen::None;
        QTest::newRow("-name") << QStringList { "-name", "foo" } << Screen::X11;
        QTest::newRow("-nograb -dograb") << QStringList { "-nograb", "-dograb" } << Screen::X11;
        QTest::newRow("-geometry") << QStringList { "-geometry", "+10+10" } << Screen::X11;
    }

    void qtOptionsStartTheGame()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Screen, screen);
        QProcess game;
        start(game, arguments, screen);
        const bool ended = game.waitForFinished(3000);
        const QString err = QString::fromLocal8Bit(game.readAllStandardError());
        game.kill();
        game.waitForFinished();
        QVERIFY2(!ended, qPrintable(QStringLiteral("ended with %1: %2").arg(game.exitCode()).arg(err)));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
