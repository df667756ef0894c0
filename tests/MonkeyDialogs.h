// Zubrik: random play inside the two selection dialogs, from within their modal loops.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "FrozenClock.h"
#include "MainWindowDriver.h"
#include "MonkeyDice.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "ui_Form2.h"
#include "ui_Form3.h"

#include <QMouseEvent>
#include <QTimer>
#include <optional>

struct MonkeyStats
{
    long games = 0, ticks = 0, presses = 0, boxes = 0, pauses = 0, replays = 0, keys = 0;
    long dialogs = 0, picks = 0, closed = 0, hiddenGames = 0;
    double maxCount = 0;
};

// What the dialog driver asks of the run it belongs to.
class MonkeyHost
{
public:
    virtual ~MonkeyHost() = default;
    virtual MonkeyDice &dice() = 0;
    virtual MainWindowDriver &game() = 0;
    virtual bool wantsMore() = 0;
    virtual void note(const QString &action) = 0; // counts one action
    virtual void fail(const QString &what) = 0;
    virtual void tick() = 0;                       // time passes: the game's timer handler, if running
    virtual void redrawn() = 0;                    // the game was to draw Pic just now
    virtual void check() = 0;                      // every invariant, now
    MonkeyStats stats;
};

// Each time a dialog is shown, acts in it from inside its modal loop until it
// has gone: moves and clicks anywhere, ticks, Escape, the close box. Where a
// click lands is worked out here from the dialogs' geometry, independently.
class MonkeyDialogs : public QObject
{
public:
    explicit MonkeyDialogs(MonkeyHost &host) : m_host(host) { qApp->installEventFilter(this); }
    ~MonkeyDialogs() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && (qobject_cast<Form2 *>(watched) || qobject_cast<Form3 *>(watched)))
            QTimer::singleShot(0, this, [this] { visit(); });
        return false;
    }

private:
    struct Choice
    {
        std::int32_t charFrameX;
        double gravity;
        Hdc stageDc;
        double launchSpeed;
        bool operator==(const Choice &o) const
        {
            return charFrameX == o.charFrameX && gravity == o.gravity && stageDc == o.stageDc
                && launchSpeed == o.launchSpeed;
        }
    };

    Choice choice() const
    {
        const GameState &s = m_host.game().state;
        return { s.charFrameX, s.gravity, s.stageDc, s.launchSpeed };
    }

    void visit()
    {
        QWidget *modal = QApplication::activeModalWidget();
        m_characters = qobject_cast<Form2 *>(modal);
        m_stages = qobject_cast<Form3 *>(modal);
        if (!m_characters && !m_stages) {
            m_host.fail(QStringLiteral("a modal window the monkey does not know: ") + (modal ? modal->windowTitle() : QString()));
            if (modal)
                modal->close();
            return;
        }
        FormWindow *dialog = m_characters ? static_cast<FormWindow *>(m_characters) : m_stages;
        ++m_host.stats.dialogs;
        m_host.check();
        const int budget = 1 + m_host.dice().below(40);
        for (int n = 0; n < budget && dialog->isLoaded() && m_host.wantsMore(); ++n) {
            const Choice before = choice();
            const int roll = m_host.dice().below(100);
            if (roll < 40) {
                move();
            } else if (roll < 65) {
                click();
            } else if (roll < 90) {
                m_host.note(QStringLiteral("tick in a dialog"));
                m_host.tick();
            } else if (roll < 95) {
                m_host.note(QStringLiteral("Escape in a dialog"));
                QTest::keyClick(dialog, Qt::Key_Escape);
                if (!(choice() == before))
                    m_host.fail(QStringLiteral("Escape changed the choice"));
            } else {
                close(dialog, before);
            }
            m_host.check();
        }
        if (dialog->isLoaded())
            close(dialog, choice());
    }

    void close(FormWindow *dialog, const Choice &before)
    {
        m_host.note(QStringLiteral("close box of a dialog"));
        ++m_host.stats.closed;
        dialog->close();
        if (dialog->isLoaded() || !(choice() == before))
            m_host.fail(QStringLiteral("the close box left the dialog open or changed the choice"));
    }

    QWidget *dialog() const
    {
        return m_characters ? static_cast<QWidget *>(m_characters) : static_cast<QWidget *>(m_stages);
    }
    PictureBox *strip() const
    {
        return m_characters ? m_characters->widgets().Picture1 : m_stages->widgets().Picture1;
    }
    AutoSizeLabel *chara() const
    {
        return m_characters ? m_characters->widgets().Chara : m_stages->widgets().Chara;
    }

    // A point on the strip most of the time, anywhere in the dialog otherwise;
    // returns the widget under it and the point in that widget.
    std::pair<QWidget *, QPoint> somewhere(int onStripPercent)
    {
        MonkeyDice &dice = m_host.dice();
        QWidget *target = strip();
        QPoint at(dice.below(target->width()), dice.below(target->height()));
        if (dice.below(100) >= onStripPercent) {
            const QPoint p(dice.below(dialog()->width()), dice.below(dialog()->height()));
            QWidget *child = dialog()->childAt(p);
            target = child ? child : dialog();
            at = target->mapFrom(dialog(), p);
        }
        if (at.isNull())
            at = QPoint(1, 0); // the test library reads (0, 0) as "the centre"
        return { target, at };
    }

    // Which cell or thumbnail a point of the strip falls in, by the dialogs' rules.
    std::optional<int> hit(QWidget *target, QPoint at) const
    {
        if (target != strip())
            return std::nullopt;
        const int border = strip()->borderStyle() == 0 ? 0 : PictureBox::borderPixels;
        const double x = (at.x() - border) * 15.0, y = (at.y() - border) * 15.0;
        const int offered = 3 + m_host.game().state.hiddenMode;
        for (int i = 0; i < offered; ++i) {
            if (m_characters) {
                const double left = i * 1575 + (i + 1) * 112.5;
                if (x > left && x < left + 1380 && y > 97.5 && y < 855 - 97.5)
                    return i;
            } else if (x > i * 2010 && x < i * 2010 + 2010) {
                return i;
            }
        }
        return std::nullopt;
    }

    void move()
    {
        const auto [target, at] = somewhere(70);
        m_host.note(QStringLiteral("move in a dialog to %1,%2").arg(at.x()).arg(at.y()));
        const QString before = chara()->caption();
        // With no button held a move goes straight to the widget under the
        // mouse; the strip tracks the mouse.
        QMouseEvent me(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &me);
        const auto cell = hit(target, at);
        const QString now = chara()->caption();
        if (cell ? !now.startsWith(QStringLiteral("◆") + name(*cell) + QStringLiteral("\r\n")) : now != before)
            m_host.fail(QStringLiteral("the description reads '%1' after a move to %2,%3").arg(now).arg(at.x()).arg(at.y()));
    }

    void click()
    {
        const auto [target, at] = somewhere(75);
        static constexpr Qt::MouseButton buttons[] = { Qt::LeftButton, Qt::RightButton, Qt::MiddleButton };
        const Qt::MouseButton button = buttons[m_host.dice().below(3)];
        m_host.note(QStringLiteral("click %1 in a dialog at %2,%3").arg(int(button)).arg(at.x()).arg(at.y()));
        const Choice before = choice();
        const auto cell = hit(target, at);
        QTest::mouseClick(target, button, {}, at);
        const bool open = static_cast<FormWindow *>(dialog())->isLoaded();
        if (!cell) {
            if (!open || !(choice() == before))
                m_host.fail(QStringLiteral("a click beside the cells picked something or closed the dialog"));
            return;
        }
        ++m_host.stats.picks;
        const int i = *cell;
        static constexpr double gravity[] = { 9.8, 10.6, 9, 8.2 };
        static constexpr double launch[] = { 75, 60, 120, 70 };
        Choice expected = before;
        if (m_characters) {
            expected.charFrameX = 92 * i;
            expected.gravity = gravity[i];
        } else {
            expected.stageDc = m_host.game().form->Bg(std::int16_t(i))->hDC();
            expected.launchSpeed = launch[i];
        }
        if (open || !(choice() == expected))
            m_host.fail(QStringLiteral("a click on %1 did not pick it and close").arg(name(i)));
        m_host.redrawn();
    }

    QString name(int i) const
    {
        static const QString characters[] = { QStringLiteral("まんが肉"), QStringLiteral("牛肉"),
                                              QStringLiteral("とり肉"), QStringLiteral("キン肉") };
        static const QString stages[] = { QStringLiteral("平原"), QStringLiteral("砂漠地帯"),
                                          QStringLiteral("宇宙空間"), QStringLiteral("リング") };
        return m_characters ? characters[i] : stages[i];
    }

    MonkeyHost &m_host;
    Form2 *m_characters = nullptr;
    Form3 *m_stages = nullptr;
};
