// Zubrik: tests that an untrapped run-time error ends the program cleanly, with its box.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "platform/Application.h"

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
};

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    TestRuntimeError test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_runtime_error.moc"
