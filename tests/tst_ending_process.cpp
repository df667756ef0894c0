// Zubrik: the way out on a real process: from the last press to a clean exit.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "BuiltProgram.h"

#include <QProcess>
#include <QtTest>

class TestEndingProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quitButtonEndsTheProcessWithZero()
    {
        QProcess game;
        startBuiltProgram(game, QStringLiteral(ZUBRIK_ENDING_DRIVER), { QStringLiteral("--auto") });
        QVERIFY(game.waitForStarted());
        QVERIFY2(game.waitForFinished(30000), "the game did not end after 終わります");
        const QString out = QString::fromUtf8(game.readAllStandardOutput());
        const QString err = QString::fromUtf8(game.readAllStandardError());
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QVERIFY2(game.exitCode() == 0, qPrintable(err));
        // The way there was the real one: the box, the ending, then the press
        // that brought them came back before the program ended.
        QCOMPARE(out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList { QStringLiteral("ending shown"), QStringLiteral("box: 999999回おめでとう"),
                                QStringLiteral("press returned") }));
        QVERIFY2(!err.contains(QStringLiteral("Sanitizer")), qPrintable(err));
    }
};

QTEST_MAIN(TestEndingProcess)
#include "tst_ending_process.moc"
