// Zubrik: the whole game through the real main window: 999999 counted presses to the ending.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"
#include "ModalWatch.h"
#include "core/Milestones.h"

class TestEndingRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Flights of 1001 presses, each landing before the next: every press comes
    // before the flight's first tick, so every one counts; 999 flights make 999999.
    void allTheWayToTheEnding()
    {
        constexpr int pressesPerFlight = 1001;
        constexpr int flights = 999;
        MainWindowDriver d;
        QStringList expected;
        for (const Milestone &milestone : Milestones::table())
            expected << QString::number(milestone.count) + QStringLiteral(" | ")
                    + QString::fromStdString(milestone.title) + QStringLiteral(" | ")
                    + QString::fromStdString(milestone.prompt);

        QStringList shown;
        bool endingBeforeLastBox = false;
        MessageBox::setBoxHandler([&](const std::string &prompt, const std::string &title) {
            shown << d.counter() + QStringLiteral(" | ") + QString::fromStdString(title) + QStringLiteral(" | ")
                    + QString::fromStdString(prompt);
            endingBeforeLastBox = endingBeforeLastBox || ModalWatch::shownEnding();
        });
        bool pressReturned = false;
        qsizetype boxesWhenEndingShown = -1;
        bool endingModalOverMain = false;
        ModalWatch watch([&](Form4 &ending) {
            boxesWhenEndingShown = shown.size();
            QWidget *window = QtToolkit::window(ending);
            endingModalOverMain = QApplication::activeModalWidget() == window && !window->parentWidget()
                                && d.shown()->isVisible();
            QCOMPARE(pressReturned, false);
        });

        int landings = 0;
        for (int flight = 1; flight <= flights; ++flight) {
            for (int press = 0; press < pressesPerFlight - 1; ++press)
                d.jump();
            if (flight == flights)
                break;
            d.jump();
            QCOMPARE(d.tickUntilLanded(), 12);
            ++landings;
        }
        QCOMPARE(d.counter(), QStringLiteral("999998"));
        QCOMPARE(shown, expected.mid(0, 11));
        QCOMPARE(watch.endingsSeen, 0);

        d.jump();
        pressReturned = true;

        QCOMPARE(landings, flights - 1);
        QCOMPARE(shown, expected);
        QVERIFY(!endingBeforeLastBox);
        QCOMPARE(watch.endingsSeen, 1);
        QCOMPARE(boxesWhenEndingShown, expected.size());
        QVERIFY(endingModalOverMain);
        QVERIFY(watch.boxes.isEmpty()); // no box of Qt's own: no error
        QVERIFY(!d.shown()->isVisible());
        // The ending's window went with the form, which lived in the press.
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
            auto *window = qobject_cast<QtForm *>(widget);
            QVERIFY(!window || !dynamic_cast<Form4 *>(&window->model()));
        }
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestEndingRun)
#include "tst_ending_run.moc"
