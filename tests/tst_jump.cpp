// Zubrik: tests of start-up, the press and the tick through the real main window.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "platform/Twips.h"

#include <cstdio>

class TestJump : public QObject
{
    Q_OBJECT

private:
    // A double as its exact hexadecimal text: compares every bit (QCOMPARE on
    // doubles allows a relative error) and shows both values when it fails.
    // The C library's %a, since QString::asprintf() prints it as %f.
    static QString bits(double value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%a", value);
        return QString::fromLatin1(text);
    }

private Q_SLOTS:
    void startUpState()
    {
        MainWindowDriver d;
        const GameState &s = d.state;
        QCOMPARE(s.charY, 120.0);
        QCOMPARE(s.shadowFrameX, std::int16_t(92));
        QCOMPARE(s.charFrameX, 0);
        QCOMPARE(s.launchSpeed, 75.0);
        QCOMPARE(s.gravity, 9.8);
        QCOMPARE(s.paused, std::int16_t(0));
        QCOMPARE(s.hiddenMode, std::int16_t(0));
        QCOMPARE(s.stageDc, d.form->Bg(0)->hDC());
        QCOMPARE(s.stageWidth, 4545.0f);
        QCOMPARE(s.stageHeight, std::int16_t(2745));
        const MainWindowState &w = d.window();
        QCOMPARE(w.jumpTime, 0);
        QCOMPARE(w.pressCount, 0);
        QCOMPARE(w.hasRisen, std::int16_t(0));
        QCOMPARE(w.restartTime, 0);
        QCOMPARE(w.restartTimeKept, std::int16_t(0));
        QCOMPARE(w.codeEntry, 0);
        QVERIFY(!d.form->timer().enabled());
        QCOMPARE(d.form->timer().interval(), 20);
        QCOMPARE(d.counter(), QStringLiteral("0"));
        QCOMPARE(d.form->focusWidget(), d.ui().Cmd_jump);
    }

    void picFitsTheStageAtTheOrigin()
    {
        MainWindowDriver d;
        PictureBox *pic = d.ui().Pic;
        QCOMPARE(pic->geometry(), QRect(0, 0, 303, 183));
        QCOMPARE(Twips::width(pic), 4545.0f);
        QCOMPARE(Twips::height(pic), 2745.0f);
        QCOMPARE(pic->borderStyle(), 0);
        QCOMPARE(pic->image().size(), QSize(303, 183));
        QCOMPARE(d.form->size(), QSize(303, 247));
        QCOMPARE(d.form->formWidth(), 4545.0f);
        for (std::int16_t i = 0; i < 4; ++i)
            QCOMPARE(d.form->Bg(i)->image().size(), QSize(303, 183));
        // A picture box that is never shown still holds its whole picture.
        QCOMPARE(d.ui().Niku->image().size(), QSize(276, 84));
        QCOMPARE(d.ui().NikuK->image().size(), QSize(82, 134));
        QCOMPARE(d.ui().Kage->image().size(), QSize(276, 32));
        QCOMPARE(d.ui().Moji->image().size(), QSize(140, 40));
        QVERIFY(!d.ui().Niku->isVisible());
        QVERIFY(MainWindowDriver::samePixels(d.ui().Bg_0->image(),
                                             QImage(QStringLiteral(":/pictures/bg0.png"))));
    }

    void trajectoryOfAPlainJump()
    {
        MainWindowDriver d;
        d.jump();
        QVERIFY(d.form->timer().enabled());
        QCOMPARE(d.counter(), QStringLiteral("1"));
        // Exact to the last bit: the landing and shadow rules compare against
        // exact values, so a last-bit change can move a flight across one.
        // Worked out once from the jump's double operations, each rounded on
        // its own; a compiler that fuses a multiply and a subtract gets others.
        struct Row { int t; double y; int shadow; int risen; };
        const Row rows[] = {
            { 2, 0x1.bd3a06d3a06d3p+6 /* 111.3067 */, 92, 0 },
            { 4, 0x1.8222222222222p+6 /* 96.5333 */, 92, 0 },
            { 6, 0x1.392c5f92c5f93p+6 /* 78.2933 */, 92, 1 },
            { 8, 0x1.d99999999999bp+5 /* 59.2000 */, 0, 1 },
            { 10, 0x1.4eeeeeeeeeef1p+5 /* 41.8667 */, 0, 1 },
            { 12, 0x1.ce81b4e81b4edp+4 /* 28.9067 */, 0, 1 },
            { 14, 0x1.6eeeeeeeeeef5p+4 /* 22.9333 */, 0, 1 },
            { 16, 0x1.a8f5c28f5c297p+4 /* 26.5600 */, 0, 1 },
            { 18, 0x1.5333333333339p+5 /* 42.4000 */, 0, 1 },
            { 20, 0x1.2444444444449p+6 /* 73.0667 */, 92, 1 },
            { 22, 0x1.e4b17e4b17e51p+6 /* 121.1733 */, 92, 1 },
        };
        for (const Row &row : rows) {
            d.tick();
            QCOMPARE(d.window().jumpTime, row.t);
            QCOMPARE(bits(d.state.charY), bits(row.y));
            QCOMPARE(int(d.state.shadowFrameX), row.shadow);
            QCOMPARE(int(d.window().hasRisen), row.risen);
            QVERIFY(d.form->timer().enabled());
        }
        d.tick(); // the twelfth: 189.3333 lands
        QVERIFY(!d.form->timer().enabled());
        QCOMPARE(d.state.charY, 120.0);
        QCOMPARE(d.state.shadowFrameX, std::int16_t(92));
        QCOMPARE(d.window().jumpTime, 0);
        QCOMPARE(d.window().hasRisen, std::int16_t(0));
        QCOMPARE(d.window().pressCount, 0);
        QCOMPARE(d.counter(), QStringLiteral("1"));
    }

    void secondPressRestartsTheArc()
    {
        MainWindowDriver d;
        d.jump();
        d.tick();
        d.tick();
        d.tick();
        QCOMPARE(bits(d.state.charY), bits(0x1.392c5f92c5f93p+6)); // 78.2933
        d.jump();
        QCOMPARE(d.window().restartTime, 6);
        QCOMPARE(d.window().jumpTime, 0);
        QCOMPARE(d.counter(), QStringLiteral("2"));
        const double expected[] = {
            0x1.1666666666666p+6 /* 69.6000 */,    0x1.b69d0369d036ap+5 /* 54.8267 */,
            0x1.24b17e4b17e4bp+5 /* 36.5867 */,    0x1.17e4b17e4b17ep+4 /* 17.4933 */,
            0x1.47ae147ae14cdp-3 /* 0.1600 */,     -0x1.9999999999997p+3 /* -12.8000 */,
            -0x1.2c5f92c5f92c3p+4 /* -18.7733 */,  -0x1.e4b17e4b17e42p+3 /* -15.1467 */,
            0x1.62fc962fc9711p-1 /* 0.6933 */,     0x1.f5c28f5c28f67p+4 /* 31.3600 */,
            0x1.3dddddddddde2p+6 /* 79.4667 */,
        };
        for (double y : expected) {
            d.tick();
            QCOMPARE(bits(d.state.charY), bits(y));
        }
        d.tick(); // 147.6267: lands on tick 15
        QVERIFY(!d.form->timer().enabled());
        QCOMPARE(d.window().restartTime, 6);
    }

    void landingTable_data()
    {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("gravity");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<double>("highest");
        const double speeds[] = { 75, 60, 120, 70 };
        const double gravities[] = { 9.8, 10.6, 9, 8.2 };
        const int ticks[4][4] = { { 12, 11, 13, 14 }, { 9, 9, 10, 11 }, { 18, 17, 20, 22 }, { 11, 10, 12, 13 } };
        const double highest[4][4] = { { 22.93, 37.87, 4.80, -18.40 },
                                       { 70.91, 77.73, 61.20, 49.07 },
                                       { -278.67, -220.85, -353.20, -450.27 },
                                       { 41.60, 52.61, 26.67, 7.04 } };
        for (int s = 0; s < 4; ++s)
            for (int g = 0; g < 4; ++g)
                QTest::addRow("V%g g%g", speeds[s], gravities[g])
                    << speeds[s] << gravities[g] << ticks[s][g] << highest[s][g];
    }
    void landingTable()
    {
        QFETCH(double, speed);
        QFETCH(double, gravity);
        QFETCH(int, ticks);
        QFETCH(double, highest);
        MainWindowDriver d;
        d.state.launchSpeed = speed;
        d.state.gravity = gravity;
        d.jump();
        double top = d.state.charY;
        int count = 0;
        while (d.form->timer().enabled() && count < 100) {
            d.tick();
            ++count;
            if (d.form->timer().enabled())
                top = qMin(top, d.state.charY);
        }
        QCOMPARE(count, ticks);
        QVERIFY2(qAbs(top - highest) < 0.005, qPrintable(QString::number(top, 'f', 4)));
    }

    void pressRules()
    {
        MainWindowDriver d;
        d.jump();
        d.jump(); // before the first tick: restarts (clock already 0) and counts
        QCOMPARE(d.counter(), QStringLiteral("2"));
        QCOMPARE(d.window().restartTime, 0);
        d.jump(); // third press, still before any tick: counts, no restart recorded
        QCOMPARE(d.counter(), QStringLiteral("3"));
        QCOMPARE(d.window().pressCount, 3);
        d.tick();
        const double y = d.state.charY;
        d.jump(); // after a tick: neither restarts nor counts
        QCOMPARE(d.counter(), QStringLiteral("3"));
        QCOMPARE(d.window().jumpTime, 2);
        QCOMPARE(d.state.charY, y);
        QCOMPARE(d.window().pressCount, 4);
    }

    void pressDuringAFlightKeepsTheCountdown()
    {
        // A press must not delay the next tick: enabling a running timer
        // leaves it alone.
        MainWindowDriver d;
        d.jump();
        QTest::qWait(8);
        const int before = d.form->timer().remainingTime();
        d.jump();
        QVERIFY2(d.form->timer().remainingTime() <= before,
                 qPrintable(QString::number(d.form->timer().remainingTime())));
    }

    void shadowBandsAreInclusive_data()
    {
        QTest::addColumn<double>("charY");
        QTest::addColumn<int>("shadow");
        QTest::newRow("upper line") << 1000.0 / 15 << 0;
        QTest::newRow("just below the upper line") << std::nextafter(1000.0 / 15, 200.0) << 92;
        QTest::newRow("top line") << 100.0 / 15 << 0;
        QTest::newRow("just above the top line") << std::nextafter(100.0 / 15, -200.0) << 184;
        QTest::newRow("at rest") << 120.0 << 92;
        QTest::newRow("off the top") << -40.0 << 184;
    }
    void shadowBandsAreInclusive()
    {
        QFETCH(double, charY);
        QFETCH(int, shadow);
        MainWindowDriver d;
        // With no speed and no gravity a tick leaves the height as it is.
        d.state.launchSpeed = 0;
        d.state.gravity = 0;
        d.state.charY = charY;
        d.jump();
        d.tick();
        QCOMPARE(d.state.charY, charY);
        QCOMPARE(int(d.state.shadowFrameX), shadow);
    }

    void landingArmsAtEightyAndLandsAt126()
    {
        MainWindowDriver d;
        d.state.launchSpeed = 0;
        d.state.gravity = 0;
        d.jump();
        d.state.charY = 126; // not armed yet: no landing even this low
        d.tick();
        QVERIFY(d.form->timer().enabled());
        d.state.charY = 80.0000001;
        d.tick();
        QCOMPARE(d.window().hasRisen, std::int16_t(0));
        d.state.charY = 80;
        d.tick();
        QCOMPARE(d.window().hasRisen, std::int16_t(1));
        d.state.charY = std::nextafter(126.0, 0.0);
        d.tick();
        QVERIFY(d.form->timer().enabled());
        d.state.charY = 126;
        d.tick();
        QVERIFY(!d.form->timer().enabled());
        QCOMPARE(d.state.charY, 120.0);
    }

    void anyPressesAtAnyMomentKeepTheRules()
    {
        // Presses scattered through many flights. The rule in a player's words:
        // the first and second press of a flight always count (the second
        // restarts the arc); a later one counts only if no tick has run since
        // the last restart. Every flight lands standing.
        MainWindowDriver d;
        quint32 seed = 12345;
        int counted = 0;
        for (int flight = 0; flight < 300; ++flight) {
            int presses = 0;
            int ticksSinceRestart = 0;
            auto press = [&] {
                if (presses < 2 || ticksSinceRestart == 0)
                    ++counted;
                if (presses < 2)
                    ticksSinceRestart = 0;
                ++presses;
                d.jump();
                QCOMPARE(d.counter(), QString::number(counted));
            };
            press();
            while (d.form->timer().enabled()) {
                seed = seed * 1103515245u + 12345u;
                if ((seed >> 16) % 4 == 0) {
                    press();
                } else {
                    d.tick();
                    ++ticksSinceRestart;
                }
            }
            QCOMPARE(d.state.charY, 120.0);
            QCOMPARE(d.window().pressCount, 0);
            QCOMPARE(d.window().jumpTime, 0);
        }
    }
};

QTEST_MAIN(TestJump)
#include "tst_jump.moc"
