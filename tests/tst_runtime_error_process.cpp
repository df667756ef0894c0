// Zubrik: an untrapped run-time error on a real process: the box, then an ordinary exit with status 1.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "BuiltProgram.h"

#include <QProcess>
#include <QtTest>

class TestRuntimeErrorProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The box, then an ordinary exit with status 1, nothing torn down on the
    // way out (the sanitizer build checks that too).
    void aRealProcessEndsWithTheBoxAndStatusOne()
    {
        QProcess game;
        startBuiltProgram(game, QStringLiteral(ZUBRIK_COUNTER_DRIVER), { QStringLiteral("--press"), QStringLiteral("12a") });
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

QTEST_GUILESS_MAIN(TestRuntimeErrorProcess)
#include "tst_runtime_error_process.moc"
