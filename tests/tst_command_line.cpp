// Zubrik: the real program's command line: --help, --version, Qt's own options, and refusals.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "BuiltProgram.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

enum class Screen { Offscreen, None };

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

QProcessEnvironment environmentFor(Screen screen)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (screen == Screen::Offscreen)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    else
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

} // namespace

Q_DECLARE_METATYPE(Screen)

class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    static void start(QProcess &game, const QStringList &arguments, Screen screen)
    {
        game.setProcessEnvironment(environmentFor(screen));
        startBuiltProgram(game, QStringLiteral(ZUBRIK_EXECUTABLE), arguments);
        QVERIFY(game.waitForStarted());
    }

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a pattern the whole standard output matches
        QTest::addColumn<QString>("err"); // a pattern the whole standard error matches

        const QString version = QStringLiteral("Zubrik 3\\.1415\\.9265\\n");
        const QString help = QStringLiteral("Usage: \\S*zubrik \\[options\\]\\n(.*\\n)*"
                                            "  -h, --help .*\\n  --help-all .*\\n  -v, --version .*\\n");
        const QString warnings = QStringLiteral("(QStandardPaths: .*\\n)*"); // the test machine's, not ours
        QTest::newRow("--version") << QStringList { "--version" } << Screen::Offscreen << 0 << version << warnings;
        QTest::newRow("-v") << QStringList { "-v" } << Screen::Offscreen << 0 << version << warnings;
        QTest::newRow("--help") << QStringList { "--help" } << Screen::Offscreen << 0 << help << warnings;
        QTest::newRow("-h") << QStringList { "-h" } << Screen::Offscreen << 0 << help << warnings;
        // On a console with no display at all, as `man`-page tools and ssh sessions run it.
        QTest::newRow("--version, no display") << QStringList { "--version" } << Screen::None << 0 << version
                                               << QString();
        QTest::newRow("--help, no display") << QStringList { "--help" } << Screen::None << 0 << help << QString();
        QTest::newRow("stray argument, no display") << QStringList { "stage2" } << Screen::None << 1 << QString()
                                                    << QStringLiteral("Zubrik: Unexpected argument 'stage2'\\.\\n");
        QTest::newRow("unknown option, no display") << QStringList { "--count=999998" } << Screen::None << 1
                                                    << QString()
                                                    << warnings + QStringLiteral("Zubrik: Unknown option 'count'\\.\\n");
        // --help-all lists Qt's own options too, which only the GUI application knows.
        QTest::newRow("--help-all") << QStringList { "--help-all" } << Screen::Offscreen << 0
                                    << QStringLiteral("Usage: \\S*zubrik \\[options\\]\\n(.*\\n)*  --platform .*\\n(.*\\n)*")
                                    << warnings;
        QTest::newRow("--help-all, no display") << QStringList { "--help-all" } << Screen::None << 0
                                                << QStringLiteral("Usage: \\S*zubrik \\[options\\]\\n(.*\\n)*  --platform .*\\n(.*\\n)*")
                                                << warnings;
        QTest::newRow("unknown long option") << QStringList { "--count=999998" } << Screen::Offscreen << 1
                                             << QString()
                                             << warnings + QStringLiteral("Zubrik: Unknown option 'count'\\.\\n");
        QTest::newRow("unknown short option") << QStringList { "-x" } << Screen::Offscreen << 1 << QString()
                                              << warnings + QStringLiteral("Zubrik: Unknown option 'x'\\.\\n");
        // Qt takes its own options first; what is left is still refused.
        QTest::newRow("Qt option, then unknown") << QStringList { "-reverse", "--stage", "3" } << Screen::Offscreen
                                                 << 1 << QString()
                                                 << warnings + QStringLiteral("Zubrik: Unknown option 'stage'\\.\\n");
        QTest::newRow("positional argument") << QStringList { "Readme.txt" } << Screen::Offscreen << 1 << QString()
                                             << warnings + QStringLiteral("Zubrik: Unexpected argument 'Readme\\.txt'\\.\\n");
        QTest::newRow("after --") << QStringList { "--", "--help" } << Screen::Offscreen << 1 << QString()
                                  << warnings + QStringLiteral("Zubrik: Unexpected argument '--help'\\.\\n");
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Screen, screen);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess game;
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
        QTest::newRow("-reverse") << QStringList { "-reverse" };
        QTest::newRow("-style Fusion") << QStringList { "-style", "Fusion" };
        QTest::newRow("--qwindowtitle") << QStringList { "--qwindowtitle", "jump" };
        QTest::newRow("-platform offscreen") << QStringList { "-platform", "offscreen" };
    }

    void qtOptionsStartTheGame()
    {
        QFETCH(QStringList, arguments);
        QProcess game;
        start(game, arguments, Screen::Offscreen);
        const bool ended = game.waitForFinished(3000);
        const QString err = QString::fromLocal8Bit(game.readAllStandardError());
        game.kill();
        game.waitForFinished();
        QVERIFY2(!ended, qPrintable(QStringLiteral("ended with %1: %2").arg(game.exitCode()).arg(err)));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
