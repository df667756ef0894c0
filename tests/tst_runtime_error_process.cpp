// Zubrik: tests that an untrapped run-time error ends the program cleanly, with its box.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "BuiltProgram.h"
#include "MainWindowDriver.h"

#include "platform/Application.h"
#include "platform/FormWindow.h"
#include "platform/Handler.h"
#include "platform/NumberText.h"

#include <QProcess>

namespace {

// Records the boxes as the driver does, but keeps each open for a while, the
// event loop running, as a real box does until the player answers it.
void readBoxesSlowly(MainWindowDriver &d)
{
    MessageBox::setBoxHandler([&d](const QString &prompt, const QString &title) {
        d.boxes << title + QStringLiteral(" | ") + prompt;
        QTest::qWait(200);
    });
}

// A start-up form whose Load fails, raised as the game raises its start-up
// form's: from the constructor, before any event loop runs.
class FailingStartForm : public FormWindow
{
public:
    FailingStartForm() { Handler::run([] { NumberText::toDouble(QStringLiteral("12a")); }); }
};

} // namespace

class TestRuntimeError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The same box, and the program ends without showing the form. (The runs
    // after this one show that the next run starts afresh.)
    void anErrorWhileTheStartFormLoadsEndsTheProgram()
    {
        QStringList boxes;
        MessageBox::setBoxHandler([&boxes](const QString &prompt, const QString &) { boxes << prompt; });
        FailingStartForm form;
        const int status = Application::run(form);
        MessageBox::setBoxHandler({});
        QCOMPARE(status, Application::runtimeErrorExitCode);
        QCOMPARE(boxes, QStringList { QStringLiteral("実行時エラー '13':\r\n\r\nType mismatch") });
        QVERIFY(!form.isLoaded());
    }

    // The game is over once the box is up: a jump in flight goes no further.
    void aCounterThatIsNotANumberEndsTheProgram()
    {
        MainWindowDriver d;
        readBoxesSlowly(d);
        d.jump();
        d.setCounter(QStringLiteral("12a"));
        // The second press restarts the jump clock, then fails to count.
        QTimer::singleShot(0, d.ui().Cmd_jump, [&d] { d.jump(); });
        const int status = Application::run(*d.form);
        QCOMPARE(status, Application::runtimeErrorExitCode);
        QCOMPARE(d.boxes, QStringList { QStringLiteral("Zubrik | 実行時エラー '13':\r\n\r\nType mismatch") });
        QCOMPARE(d.window().jumpTime, 0);
    }

    void anOverflowInATickEndsTheProgram()
    {
        MainWindowDriver d;
        readBoxesSlowly(d);
        d.state.charY = 3e9; // a frame cannot place the character there
        QTimer::singleShot(0, d.ui().Cmd_jump, [&d] { d.jump(); });
        // The first tick moves the character and draws: the drawing overflows.
        const int status = Application::run(*d.form);
        QCOMPARE(status, Application::runtimeErrorExitCode);
        QCOMPARE(d.boxes.size(), 1);
        QVERIFY(d.boxes.first().contains(QStringLiteral("実行時エラー '6'")));
        // The clock of that one tick: no tick ran after it, behind the box or later.
        QCOMPARE(d.window().jumpTime, 2);
    }

    // The same on a real process: the box, then an ordinary exit with status 1,
    // nothing torn down on the way out (the sanitizer build checks that too).
    void aRealProcessEndsWithTheBoxAndStatusOne()
    {
        QProcess game;
        startBuiltProgram(game, QStringLiteral(ZUBRIK_COUNTER_DRIVER), { QStringLiteral("12a") });
        QVERIFY(game.waitForStarted());
        QVERIFY2(game.waitForFinished(60000), "the game did not end after the error");
        const QString out = QString::fromUtf8(game.readAllStandardOutput());
        const QString err = QString::fromUtf8(game.readAllStandardError());
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        // The number itself, as a script or a desktop reads it, not the constant.
        QVERIFY2(game.exitCode() == 1, qPrintable(out + err));
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
