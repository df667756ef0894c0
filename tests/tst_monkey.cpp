// Zubrik: random play: long seeded runs of clicks, ticks, keys and dialogs, checked after every action.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
//   tst_monkey                    the seeds and length set for CI (or ZUBRIK_MONKEY_SEEDS,
//                                 a comma list, and ZUBRIK_MONKEY_ACTIONS, actions per seed)
//   tst_monkey SEED ACTIONS       replays one run exactly, e.g. the one a failure names
#include "ExpectedFrame.h"
#include "MainWindowDriver.h"
#include "MonkeyDice.h"
#include "MonkeyDialogs.h"
#include "MonkeyKeys.h"

#include "platform/Application.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <QElapsedTimer>
#include <ctime>
#include <deque>

namespace {

constexpr std::uint64_t defaultSeeds[] = { 1, 2, 3, 4, 5 };
constexpr long defaultActions = 100000;
constexpr std::int32_t codeTarget = 1164523362;
constexpr double milestones[] = { 10, 50, 100, 300, 1000, 3000, 5000, 10000, 10100, 11000, 100000, 999999 };
// Counts a game may start from, so that every milestone below the last comes
// up and the key code can be typed early; all far below 999999.
constexpr int presets[] = { 25, 45, 95, 295, 995, 2995, 4995, 9995, 10095, 10995, 99995 };

bool isMilestone(double count)
{
    return std::find(std::begin(milestones), std::end(milestones), count) != std::end(milestones);
}

} // namespace

using namespace MonkeyKeys;

// One seeded run over as many fresh games as it takes.
class Monkey : public MonkeyHost
{
public:
    explicit Monkey(std::uint64_t seed) : m_seed(seed), m_dice(seed) {}

    // Empty on success, else what went wrong and how to see it again.
    QString run(long actions)
    {
        m_total = actions;
        while (m_done < actions && m_failure.isEmpty()) {
            if (!m_game || m_gameLeft <= 0)
                newGame();
            act();
            check();
        }
        if (m_game && m_hidden)
            ++stats.hiddenGames;
        m_game.reset();
        if (m_failure.isEmpty())
            return {};
        QString report = QStringLiteral("seed %1, action %2 of game %3: %4\nlast actions:\n")
                             .arg(m_seed).arg(m_done).arg(stats.games).arg(m_failure);
        for (const QString &line : m_log)
            report += QStringLiteral("  ") + line + QLatin1Char('\n');
        return report + QStringLiteral("replay: tst_monkey %1 %2").arg(m_seed).arg(m_done);
    }

    // MonkeyHost: what the dialog driver needs of the run.
    MonkeyDice &dice() override { return m_dice; }
    MainWindowDriver &game() override { return *m_game; }
    bool wantsMore() override { return m_failure.isEmpty() && m_done < m_total; }
    void note(const QString &action) override
    {
        ++m_done;
        m_log.push_back(QString::number(m_done) + QLatin1Char(' ') + action);
        if (m_log.size() > 25)
            m_log.pop_front();
    }
    void fail(const QString &what) override
    {
        if (m_failure.isEmpty())
            m_failure = what;
    }
    void tick() override
    {
        Form1 &form = *m_game->form;
        if (!form.timer().enabled())
            return; // time passes; a stopped timer does not tick
        ++stats.ticks;
        try {
            form.Timer_Timer();
        } catch (const RuntimeError &error) {
            fail(QStringLiteral("run-time error %1 in a tick").arg(int(error.code())));
        }
        m_drawn = inputsNow();
        if (!form.timer().enabled() && m_game->state.paused == 0)
            m_replaying = false; // landed
    }
    void redrawn() override { m_drawn = inputsNow(); }

    void check() override
    {
        MainWindowDriver &g = *m_game;
        const GameState &s = g.state;
        const MainWindowState &w = g.window();
        const Ui::Form1 &ui = g.ui();
        const Timer &timer = g.form->timer();
        auto expect = [this](bool ok, const QString &what) {
            if (!ok)
                fail(what);
        };

        const double count = counter();
        expect(count == m_lastCount || count == m_lastCount + 1,
               QStringLiteral("counter went from %1 to %2").arg(m_lastCount).arg(count));
        expect(count < 999999, QStringLiteral("counter reached the end"));
        m_lastCount = count;
        stats.maxCount = std::max(stats.maxCount, count);

        expect(g.boxes.size() == m_expectedBoxes,
               QStringLiteral("%1 boxes shown, %2 expected; last: %3")
                   .arg(g.boxes.size()).arg(m_expectedBoxes).arg(g.boxes.value(g.boxes.size() - 1)));
        expect(g.beeps == m_beeps, QStringLiteral("%1 beeps, %2 expected").arg(g.beeps).arg(m_beeps));
        expect(w.codeEntry == m_code,
               QStringLiteral("codeEntry %1, expected %2").arg(w.codeEntry).arg(m_code));
        expect(s.hiddenMode == (m_hidden ? 1 : 0), QStringLiteral("hiddenMode is %1").arg(s.hiddenMode));

        const int interval = timer.interval();
        expect(interval == 20 || interval == 150, QStringLiteral("interval %1").arg(interval));
        expect((interval == 150) == m_replaying,
               QStringLiteral("interval %1 %2 a replay").arg(interval).arg(m_replaying ? "in" : "outside"));
        expect(w.jumpTime >= 0 && w.jumpTime <= 120,
               QStringLiteral("jump clock at %1: a flight that does not land").arg(w.jumpTime));
        expect(s.paused == 0 || s.paused == 1, QStringLiteral("paused is %1").arg(s.paused));

        const bool others = ui.Cmd_jump->isEnabled() && ui.Cmd_replay->isEnabled()
            && ui.Cmd_nikusel->isEnabled() && ui.Cmd_stgsel->isEnabled();
        const bool noOthers = !ui.Cmd_jump->isEnabled() && !ui.Cmd_replay->isEnabled()
            && !ui.Cmd_nikusel->isEnabled() && !ui.Cmd_stgsel->isEnabled();
        if (s.paused == 1) {
            expect(!timer.enabled() && w.jumpTime != 0, QStringLiteral("paused with the timer on or the clock at 0"));
            expect(ui.Cmd_pause->isEnabled() && noOthers, QStringLiteral("paused, but buttons other than pause usable"));
            expect(ui.Cmd_pause->text() == QStringLiteral("再生"), QStringLiteral("paused, caption ") + ui.Cmd_pause->text());
        } else {
            expect(ui.Cmd_pause->isEnabled() && others, QStringLiteral("not paused, but a button disabled"));
            expect(ui.Cmd_pause->text() == QStringLiteral("一時停止"), QStringLiteral("running, caption ") + ui.Cmd_pause->text());
            if (!timer.enabled())
                expect(w.jumpTime == 0 && w.pressCount == 0 && w.hasRisen == 0 && s.charY == 120.0
                           && interval == 20,
                       QStringLiteral("standing with t=%1 presses=%2 risen=%3 y=%4 interval=%5")
                           .arg(w.jumpTime).arg(w.pressCount).arg(w.hasRisen).arg(s.charY).arg(interval));
        }

        if (m_drawn != m_expectedFor) {
            m_expected = m_frames.compose(m_drawn);
            m_expectedFor = m_drawn;
        }
        expect(MainWindowDriver::samePixels(g.frame(), m_expected),
               QStringLiteral("Pic differs from the frame of y=%1 shadow=%2 char=%3 stage=%4 paused=%5 interval=%6")
                   .arg(m_drawn.charY).arg(m_drawn.shadowFrameX).arg(m_drawn.charFrameX)
                   .arg(m_drawn.stage).arg(m_drawn.paused).arg(m_drawn.interval));
    }

private:
    struct AtPress
    {
        double count;
        std::int32_t pressCount, jumpTime;
        bool timerOn;
        int interval;
        std::int16_t paused;
    };

    double counter() const
    {
        try {
            return NumberText::toDouble(m_game->counter());
        } catch (const RuntimeError &) {
            return -1;
        }
    }

    FrameInputs inputsNow() const
    {
        const GameState &s = m_game->state;
        FrameInputs in { s.charFrameX, -1, s.charY, s.shadowFrameX, s.paused, m_game->form->timer().interval() };
        for (std::int16_t i = 0; i < 4; ++i)
            if (m_game->form->Bg(i)->hDC() == s.stageDc)
                in.stage = i;
        if (in.stage < 0) {
            const_cast<Monkey *>(this)->fail(QStringLiteral("stageDc is no stage picture"));
            in.stage = 0;
        }
        return in;
    }

    AtPress atPress() const
    {
        Form1 &form = *m_game->form;
        return { counter(), form.windowState().pressCount, form.windowState().jumpTime,
                 form.timer().enabled(), form.timer().interval(), m_game->state.paused };
    }

    void newGame()
    {
        if (m_game && m_hidden)
            ++stats.hiddenGames;
        m_game.reset();
        m_game = std::make_unique<MainWindowDriver>();
        ++stats.games;
        m_gameLeft = 500 + m_dice.below(4500);
        const int preset = m_dice.chance(0.5) ? 0 : presets[m_dice.below(std::size(presets))];
        m_game->setCounter(QString::number(preset));
        m_lastCount = preset;
        m_expectedBoxes = 0;
        m_beeps = 0;
        m_code = 0;
        m_hidden = false;
        m_replaying = false;
        m_codeAt = 0;
        m_game->form->activateWindow();
        if (!QTest::qWaitForWindowActive(m_game->form.get(), 1000))
            fail(QStringLiteral("the main window did not become active"));
        m_drawn = inputsNow();
        watchButtons();
        m_dialogs = std::make_unique<MonkeyDialogs>(*this);
        check();
    }

    // The handlers run first (they were connected first); these see the result.
    void watchButtons()
    {
        const Ui::Form1 &ui = m_game->ui();
        for (CommandButton *b : { ui.Cmd_jump, ui.Cmd_pause, ui.Cmd_replay })
            QObject::connect(b, &QPushButton::pressed, m_game->form.get(), [this] { m_atPress = atPress(); });
        QObject::connect(ui.Cmd_jump, &QPushButton::clicked, m_game->form.get(), [this] { jumped(); });
        QObject::connect(ui.Cmd_pause, &QPushButton::clicked, m_game->form.get(), [this] {
            if (m_game->state.paused == 1 && m_atPress.paused == 0) {
                ++stats.pauses;
                redrawn();
            }
            if (m_atPress.jumpTime == 0 && m_game->state.paused != m_atPress.paused)
                fail(QStringLiteral("pause worked with the clock at 0"));
        });
        QObject::connect(ui.Cmd_replay, &QPushButton::clicked, m_game->form.get(), [this] {
            if (!m_atPress.timerOn) {
                ++stats.replays;
                m_replaying = true;
            } else if (m_game->form->timer().interval() != m_atPress.interval) {
                fail(QStringLiteral("replay during a flight changed the interval"));
            }
        });
    }

    void jumped()
    {
        ++stats.presses;
        const AtPress &p = m_atPress;
        const bool counts = p.jumpTime == 0 || (p.interval != 150 && p.pressCount <= 1);
        const double now = counter();
        if (now != p.count + (counts ? 1 : 0))
            fail(QStringLiteral("press from %1 (t=%2, presses=%3, interval=%4) left the counter at %5")
                     .arg(p.count).arg(p.jumpTime).arg(p.pressCount).arg(p.interval).arg(now));
        if (m_game->window().pressCount != p.pressCount + 1 || !m_game->form->timer().enabled())
            fail(QStringLiteral("press did not count itself or start the timer"));
        if (isMilestone(now)) {
            ++m_expectedBoxes;
            ++stats.boxes;
            const QString title = QString::number(now) + QStringLiteral("回おめでとう");
            if (!m_game->boxes.value(m_expectedBoxes - 1).startsWith(title + QStringLiteral(" | ")))
                fail(QStringLiteral("at %1 the box was '%2'").arg(now).arg(m_game->boxes.value(m_expectedBoxes - 1)));
        }
    }

    void act()
    {
        --m_gameLeft;
        const GameState &s = m_game->state;
        // Typing the code by chance would take ages; once it has worked in
        // this game, keys are random again.
        if (s.paused == 1 && !m_hidden && counter() >= 30 && m_dice.chance(0.75)) {
            typeKey(keys[codeKeys[m_codeAt]]);
            m_codeAt = (m_codeAt + 1) % int(std::size(codeKeys));
            return;
        }
        const Ui::Form1 &ui = m_game->ui();
        const int roll = m_dice.below(1000);
        if (roll < 420) {
            note(QStringLiteral("tick"));
            tick();
        } else if (roll < 590) {
            clickMain(ui.Cmd_jump, "jump");
        } else if (roll < 680) {
            clickMain(ui.Cmd_pause, "pause");
        } else if (roll < 730) {
            clickMain(ui.Cmd_replay, "replay");
        } else if (roll < 745) {
            clickMain(ui.Cmd_nikusel, "character select");
        } else if (roll < 760) {
            clickMain(ui.Cmd_stgsel, "stage select");
        } else {
            typeKey(keys[m_dice.below(std::size(keys))]);
        }
    }

    void clickMain(CommandButton *button, const char *name)
    {
        m_codeAt = 0;
        note(QLatin1String("click ") + QLatin1String(name) + (button->isEnabled() ? "" : " (disabled)"));
        m_game->click(button);
    }

    // A press and a release where the player's keys go. The handlers' part is
    // worked out before each event, since either may open a dialog.
    void typeKey(const Key &key)
    {
        if (&key != &keys[codeKeys[m_codeAt]])
            m_codeAt = 0;
        ++stats.keys;
        note(QStringLiteral("key %1").arg(key.code));
        if (counter() >= 30 && m_game->state.paused == 1)
            m_code = nextCode(m_code, key.code);
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : m_game->form.get();
        QTest::keyPress(target, key.key, key.modifiers);
        if (m_game->state.paused == 1 && m_code == codeTarget) {
            m_hidden = true;
            ++m_beeps;
        }
        target = QApplication::focusWidget() ? QApplication::focusWidget() : m_game->form.get();
        QTest::keyRelease(target, key.key, key.modifiers);
    }

    std::uint64_t m_seed;
    MonkeyDice m_dice;
    long m_total = 0;
    long m_done = 0;
    QString m_failure;
    std::deque<QString> m_log;

    std::unique_ptr<MainWindowDriver> m_game;
    std::unique_ptr<MonkeyDialogs> m_dialogs;
    int m_gameLeft = 0;
    double m_lastCount = 0;
    int m_expectedBoxes = 0;
    int m_beeps = 0;
    std::int32_t m_code = 0;
    bool m_hidden = false;
    bool m_replaying = false;
    int m_codeAt = 0;
    AtPress m_atPress {};

    ExpectedFrame m_frames;
    FrameInputs m_drawn;
    FrameInputs m_expectedFor { -1 };
    QImage m_expected;
};

class TestMonkey : public QObject
{
    Q_OBJECT

public:
    std::vector<std::uint64_t> seeds { std::begin(defaultSeeds), std::end(defaultSeeds) };
    long actions = defaultActions;

private Q_SLOTS:
    void randomPlay_data()
    {
        QTest::addColumn<quint64>("seed");
        for (std::uint64_t seed : seeds)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << quint64(seed);
    }

    void randomPlay()
    {
        QFETCH(quint64, seed);
        FrozenClock clock; // the game's own timer ticks only when the monkey says
        Monkey monkey(seed);
        QElapsedTimer elapsed;
        elapsed.start();
        const std::clock_t cpuStart = std::clock();
        const QString failure = monkey.run(actions);
        const double seconds = elapsed.nsecsElapsed() / 1e9;
        // On a shared machine the wall clock says more about the neighbours.
        const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const MonkeyStats &s = monkey.stats;
        qInfo().noquote() << QStringLiteral(
                                 "seed %1: %2 actions in %3 s, %17 s of CPU (%4 actions/s, %18 per CPU second); %5 games, %6 ticks, %7 presses, "
                                 "%8 boxes, %9 pauses, %10 replays, %11 keys, %12 dialogs (%13 picks, %14 closed), "
                                 "hidden mode in %15 games, highest count %16")
                                 .arg(seed).arg(actions).arg(seconds, 0, 'f', 1).arg(actions / seconds, 0, 'f', 0)
                                 .arg(s.games).arg(s.ticks).arg(s.presses).arg(s.boxes).arg(s.pauses)
                                 .arg(s.replays).arg(s.keys).arg(s.dialogs).arg(s.picks).arg(s.closed)
                                 .arg(s.hiddenGames).arg(s.maxCount)
                                 .arg(cpuSeconds, 0, 'f', 1).arg(actions / cpuSeconds, 0, 'f', 0);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    TestMonkey test;
    QStringList args = QApplication::arguments();
    bool seedOk = false, actionsOk = false;
    if (args.size() >= 3) {
        const std::uint64_t seed = args.at(1).toULongLong(&seedOk);
        const long actions = args.at(2).toLong(&actionsOk);
        if (seedOk && actionsOk) {
            test.seeds = { seed };
            test.actions = actions;
            args.remove(1, 2);
        }
    }
    if (!(seedOk && actionsOk)) {
        if (const QByteArray list = qgetenv("ZUBRIK_MONKEY_SEEDS"); !list.isEmpty()) {
            test.seeds.clear();
            for (const QByteArray &seed : list.split(','))
                test.seeds.push_back(seed.trimmed().toULongLong());
        }
        if (const QByteArray n = qgetenv("ZUBRIK_MONKEY_ACTIONS"); !n.isEmpty())
            test.actions = n.toLong();
    }
    // The test library stops a test function after five minutes unless told
    // otherwise; a long run is meant to take longer (allow 10 ms an action).
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max<qint64>(300000, qint64(test.actions) * 10)));
    return QTest::qExec(&test, args);
}
#include "tst_monkey.moc"
