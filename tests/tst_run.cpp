// Zubrik: the run on Qt: the loop and its status, quits through modal loops, close requests, the timer's clock.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/Program.h"
#include "platform/Timer.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QWindow>

class TestRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Should the run not end as it ought to, every loop still ends, and the
    // test fails.
    void init()
    {
        m_stuck = false;
        m_guard.start(10000);
    }
    void cleanup()
    {
        m_guard.stop();
        QVERIFY2(!m_stuck, "a loop did not end by itself");
    }

    // A quit from inside a modal show ends that loop and the main one, with
    // its status; a modal show begun after it returns at once.
    void quitEndsEveryLoop()
    {
        MainWindowDriver d;
        bool dialogSeen = false;
        bool showReturned = false;
        bool laterShowReturned = false;
        QTimer::singleShot(0, [&] {
            dialogSeen = MainWindowDriver::whileShown<Form2>(d.form->Cmd_nikusel, [this](Form2 &) {
                m_toolkit.quit(3);
            });
            showReturned = true;
            Form3 later(*d.form);
            later.showModal();
            laterShowReturned = true;
        });
        QCOMPARE(m_toolkit.exec(), 3);
        QVERIFY(dialogSeen);
        QVERIFY(showReturned);
        QVERIFY(laterShowReturned);
    }

    // A quit asked for before the loop began ends it at once, with its
    // status; the next run waits for a quit of its own.
    void quitBeforeTheLoop()
    {
        m_toolkit.quit(4);
        QCOMPARE(m_toolkit.exec(), 4);
        QTimer::singleShot(0, [this] { m_toolkit.quit(5); });
        QCOMPARE(m_toolkit.exec(), 5);
    }

    // A close request from the desktop, as Qt's Wayland client passes one on,
    // is refused while a box is modal over the window; once the box is gone
    // it unloads the last window, and the run ends with status 0.
    void closeRequestsAndTheEndOfTheRun()
    {
        GameState state;
        Form1 main(state);
        bool refused = false;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] {
                native(main)->windowHandle()->close();
                refused = main.isLoaded() && native(main)->isVisible();
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                    box->button(QMessageBox::Ok)->click();
            });
            m_toolkit.showMessage("prompt", "title");
            native(main)->windowHandle()->close();
        });
        QCOMPARE(Program::run(main), 0);
        QVERIFY(refused);
        QVERIFY(!main.isLoaded());
        QVERIFY(!native(main)->isVisible());
    }

    // The timer on Qt's clock: ticks come, none before its deadline (one
    // interval after the start, then one more each), none once it is stopped.
    void theTimerTicksOnTheClock()
    {
        constexpr int interval = 30;
        Timer timer;
        QElapsedTimer clock;
        QList<qint64> ticks; // microseconds from the start
        timer.onTimer([&] { ticks << clock.nsecsElapsed() / 1000; });
        timer.setInterval(interval);
        clock.start();
        timer.setEnabled(true);
        const int remaining = timer.remainingTime();
        QVERIFY2(remaining > 0 && remaining <= interval, qPrintable(QString::number(remaining)));
        QVERIFY(QTest::qWaitFor([&] { return ticks.size() >= 5; }, 5000));
        timer.setEnabled(false);
        const qsizetype seen = ticks.size();
        QTest::qWait(3 * interval);
        QCOMPARE(ticks.size(), seen);
        for (qsizetype i = 0; i < seen; ++i)
            QVERIFY2(ticks[i] >= (i + 1) * interval * 1000, qPrintable(QString::number(ticks[i])));
    }

public:
    TestRun()
    {
        m_guard.setSingleShot(true);
        m_guard.callOnTimeout([this] {
            m_stuck = true;
            QCoreApplication::exit(99);
        });
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
    QTimer m_guard;
    bool m_stuck = false;
};

QTEST_MAIN(TestRun)
#include "tst_run.moc"
