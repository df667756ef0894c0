// Zubrik: tests of the congratulations at the milestone counts.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

class TestMilestones : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachMilestoneOnce_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        const QString crlf = QStringLiteral("\r\n");
        QTest::newRow("10") << 10 << "10回おめでとう" << "よしよし、10回！";
        QTest::newRow("50") << 50 << "50回おめでとう" << "やったネ！50回！";
        QTest::newRow("100") << 100 << "100回おめでとう" << "すごい！100回！";
        QTest::newRow("300") << 300 << "300回おめでとう" << "ゲゲッ！300回！";
        QTest::newRow("1000") << 1000 << "1000回おめでとう" << "素晴らしい！1000回！";
        QTest::newRow("3000") << 3000 << "3000回おめでとう" << "やりすぎ！3000回！";
        QTest::newRow("5000") << 5000 << "5000回おめでとう" << "暇人め！5000回！";
        QTest::newRow("10000") << 10000 << "10000回おめでとう" << "もうメッセージはないぞ！10000回！";
        QTest::newRow("10100") << 10100 << "10100回おめでとう" << "だからもうないって！10100回！";
        QTest::newRow("11000") << 11000 << "11000回おめでとう" << "しつこいね君は、11000回！";
        QTest::newRow("100000") << 100000 << "100000回おめでとう"
                                << "すばらしい！ここまでやった根性を認めよう。" + crlf
                                       + "パスワード:380215796QTMW" + crlf
                                       + "これを「Orvane」（Readme.txt参照）に送ろう！" + crlf + crlf
                                       + "ちなみに999999回でこのゲームは終わります。がんばれ！";
    }
    void eachMilestoneOnce()
    {
        QFETCH(int, count);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        MainWindowDriver d;
        d.setCounter(QString::number(count - 2));
        d.jump();
        d.tickUntilLanded();
        QVERIFY(d.boxes.isEmpty()); // one short: nothing
        d.jump();
        QCOMPARE(d.counter(), QString::number(count));
        QCOMPARE(d.boxes, QStringList { title + " | " + prompt });
        d.tickUntilLanded();
        d.jump(); // one past: nothing more
        QCOMPARE(d.boxes.size(), 1);
    }

    void textsAreExactToTheCharacter()
    {
        MainWindowDriver d;
        d.setCounter(QStringLiteral("99999"));
        d.jump();
        QCOMPARE(d.boxes.size(), 1);
        const QString prompt = d.boxes.first().section(QStringLiteral(" | "), 1);
        const QStringList lines = prompt.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[3].isEmpty());
        QVERIFY(!prompt.contains(QRegularExpression(QStringLiteral("(?<!\r)\n"))));
        QVERIFY(lines[0].contains(QChar(0xFF01)) && lines[0].contains(QChar(0x3002)));
        QVERIFY(lines[2].contains(QChar(0x300C)) && lines[2].contains(QChar(0xFF08)));
        QVERIFY(lines[1].contains(QLatin1Char(':')));
    }

    void finalMilestoneHasThreeLines()
    {
        MainWindowDriver d;
        d.setCounter(QStringLiteral("999998"));
        // The ending window follows this box; answer it if it comes.
        QTimer::singleShot(0, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        d.jump();
        QVERIFY(!d.boxes.isEmpty());
        QCOMPARE(d.boxes.first(),
                 QStringLiteral("999999回おめでとう | "
                                "たぶんここまでやる人はいないだろうが・・・とりあえずおめでとう！！！\r\n"
                                "実は、一応これで終わりなのです（これ以上カウンターの桁が無い（笑））。\r\n"
                                "長らくありがとうございました。"));
    }

    void countsBetweenAndBeyondShowNothing_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("to 9") << "8";
        QTest::newRow("to 11") << "10";
        QTest::newRow("to 49") << "48";
        QTest::newRow("to 12345") << "12344";
        QTest::newRow("to 1000000") << "999999";
        QTest::newRow("to 1000001") << "1000000";
    }
    void countsBetweenAndBeyondShowNothing()
    {
        QFETCH(QString, before);
        MainWindowDriver d;
        d.setCounter(before);
        d.jump();
        QCOMPARE(d.counter(), QString::number(before.toInt() + 1));
        QVERIFY(d.boxes.isEmpty());
    }

    void aPressThatDoesNotCountShowsTheMilestoneAgain()
    {
        MainWindowDriver d;
        d.setCounter(QStringLiteral("9"));
        d.jump();
        d.tick();
        d.jump(); // second press: counts (to 11), no box
        d.setCounter(QStringLiteral("50"));
        d.tick();
        d.jump(); // third press after a tick: no count, but the check runs
        d.jump();
        QCOMPARE(d.counter(), QStringLiteral("50"));
        QCOMPARE(d.boxes, (QStringList { QStringLiteral("10回おめでとう | よしよし、10回！"),
                                         QStringLiteral("50回おめでとう | やったネ！50回！"),
                                         QStringLiteral("50回おめでとう | やったネ！50回！") }));
    }
};

QTEST_MAIN(TestMilestones)
#include "tst_milestones.moc"
