// Zubrik: tests of the hidden key code typed during a pause, through real key events.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

class TestKeyCode : public QObject
{
    Q_OBJECT

private:
    // A paused jump after the given count, with the window active so that key
    // events go where a player's would.
    static void pausedAt(MainWindowDriver &d, const QString &count)
    {
        d.setCounter(count);
        d.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.form.get()));
        d.jump();
        d.tick();
        d.pause();
        QCOMPARE(d.state.paused, std::int16_t(1));
    }

    static void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                      : QApplication::activeWindow();
        QTest::keyClick(target, key, modifiers);
    }

private Q_SLOTS:
    void theCodeSwitchesHiddenModeOn()
    {
        MainWindowDriver d;
        pausedAt(d, QStringLiteral("31"));
        const Qt::Key code[] = { Qt::Key_Up, Qt::Key_Up, Qt::Key_A, Qt::Key_Right, Qt::Key_B,
                                 Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_A };
        for (Qt::Key key : code)
            type(key);
        QCOMPARE(d.state.hiddenMode, std::int16_t(0));
        QCOMPARE(d.beeps, 0);
        QCOMPARE(d.window().codeEntry, 116452336);
        type(Qt::Key_Down); // its release completes the code
        QCOMPARE(d.window().codeEntry, 1164523362);
        QCOMPARE(d.state.hiddenMode, std::int16_t(1));
        QCOMPARE(d.beeps, 1);
        // The code stays; every further release while paused beeps again.
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Shift);
        QCOMPARE(d.beeps, 2);
        // Keys still reach the focused pause button: Space resumes.
        type(Qt::Key_Space);
        QCOMPARE(d.state.paused, std::int16_t(0));
        QCOMPARE(d.state.hiddenMode, std::int16_t(1));
        const int beeps = d.beeps;
        type(Qt::Key_Up); // not paused: nothing, no beep
        QCOMPARE(d.beeps, beeps);
        QCOMPARE(d.state.hiddenMode, std::int16_t(1));
    }

    void upTogglesBetweenOneAndEleven()
    {
        MainWindowDriver d;
        pausedAt(d, QStringLiteral("30"));
        d.window().codeEntry = 1234;
        type(Qt::Key_Up);
        QCOMPARE(d.window().codeEntry, 1); // seen once, although the button ignores arrows
        type(Qt::Key_Up);
        QCOMPARE(d.window().codeEntry, 11);
        type(Qt::Key_Up);
        QCOMPARE(d.window().codeEntry, 1);
    }

    void otherKeysSetTheirOwnCode_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::newRow("Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << 16;
        QTest::newRow("C") << int(Qt::Key_C) << 0 << 67;
        QTest::newRow("7") << int(Qt::Key_7) << 0 << 55;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 112;
        QTest::newRow("keypad 4") << int(Qt::Key_4) << int(Qt::KeypadModifier) << 100;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << 27;
        QTest::newRow("an unknown key") << int(Qt::Key_Launch0) << 0 << 255;
    }
    void otherKeysSetTheirOwnCode()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        MainWindowDriver d;
        pausedAt(d, QStringLiteral("30"));
        d.window().codeEntry = 11645;
        type(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(d.window().codeEntry, code);
        QCOMPARE(d.state.paused, std::int16_t(1));
    }

    void anAppendPastTheLimitStartsAfresh()
    {
        MainWindowDriver d;
        pausedAt(d, QStringLiteral("30"));
        d.window().codeEntry = 214748364;
        type(Qt::Key_Right); // 2147483644 still fits
        QCOMPARE(d.window().codeEntry, 2147483644);
        d.window().codeEntry = 214748365;
        type(Qt::Key_Down); // 2147483652 does not
        QCOMPARE(d.window().codeEntry, 0);
        QVERIFY(d.boxes.isEmpty());
        type(Qt::Key_Down); // a leading 0 is dropped
        QCOMPARE(d.window().codeEntry, 2);
    }

    // The pause's own press counts, so a count of 30 while paused comes from
    // a press at 29.
    void onlyFromThirtyJumps_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("paused");
        QTest::addColumn<int>("code");
        QTest::newRow("29: not yet") << QStringLiteral("28") << QStringLiteral("29") << 0;
        QTest::newRow("30: from here") << QStringLiteral("29") << QStringLiteral("30") << 1;
        QTest::newRow("31") << QStringLiteral("30") << QStringLiteral("31") << 1;
    }
    void onlyFromThirtyJumps()
    {
        QFETCH(QString, before);
        QFETCH(QString, paused);
        QFETCH(int, code);
        MainWindowDriver d;
        pausedAt(d, before);
        QCOMPARE(d.counter(), paused);
        type(Qt::Key_Up);
        QCOMPARE(d.window().codeEntry, code);
    }

    void onlyWhilePaused()
    {

        MainWindowDriver running;
        running.setCounter(QStringLiteral("40"));
        running.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(running.form.get()));
        type(Qt::Key_Up);
        QCOMPARE(running.window().codeEntry, 0);
        running.window().codeEntry = 1164523362;
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_A);
        QCOMPARE(running.state.hiddenMode, std::int16_t(0));
        QCOMPARE(running.beeps, 0);
    }
};

QTEST_MAIN(TestKeyCode)
#include "tst_key_code.moc"
