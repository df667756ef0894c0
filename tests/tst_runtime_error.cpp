// Zubrik: tests that an untrapped run-time error ends the program cleanly, with its box.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "platform/Application.h"

#include <QProcess>

class TestRuntimeError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aCounterThatIsNotANumberEndsTheProgram()
    {
        MainWindowDriver d;
        d.setCounter(QStringLiteral("12a"));
        QTimer::singleShot(0, d.ui().Cmd_jump, [&d] { d.jump(); });
        const int status = QApplication::exec();
        QCOMPARE(status, Application::runtimeErrorExitCode);
        QCOMPARE(d.boxes, QStringList { QStringLiteral("Zubrik | 実行時エラー '13':\r\n\r\nType mismatch") });
    }

    void anOverflowInARoundingEndsTheProgram()
    {
        MainWindowDriver d;
        d.state.charY = 3e9; // a frame cannot place the character there
        QTimer::singleShot(0, d.ui().Cmd_jump, [&d] { d.jump(); });
        // The first tick moves the character and draws: the drawing overflows.
        const int status = QApplication::exec();
        QCOMPARE(status, Application::runtimeErrorExitCode);
        QCOMPARE(d.boxes.size(), 1);
        QVERIFY(d.boxes.first().contains(QStringLiteral("実行時エラー '6'")));
        QVERIFY(!d.form->timer().enabled() || d.state.charY > 2e9);
    }

    // The same on a real process: the box, then an ordinary exit with status 1,
    // nothing torn down on the way out (the sanitizer build checks that too).
    void aRealProcessEndsWithTheBoxAndStatusOne()
    {
        QProcess game;
        game.start(QStringLiteral(ZUBRIK_COUNTER_DRIVER), { QStringLiteral("12a") });
        QVERIFY(game.waitForStarted());
        QVERIFY2(game.waitForFinished(60000), "the game did not end after the error");
        const QString out = QString::fromUtf8(game.readAllStandardOutput());
        const QString err = QString::fromUtf8(game.readAllStandardError());
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QVERIFY2(game.exitCode() == Application::runtimeErrorExitCode, qPrintable(out + err));
        QCOMPARE(out, QStringLiteral("box: Zubrik | 実行時エラー '13':\n\nType mismatch\npress returned\n"));
        QVERIFY2(!err.contains(QStringLiteral("Sanitizer")) && !err.contains(QStringLiteral("runtime error")),
                 qPrintable(err));
    }
};

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    TestRuntimeError test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_runtime_error.moc"
