// Zubrik: the character select as a real window: its size, Qt's mouse and keys on it, its modal show.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "dialogs/Form2.h"
#include "platform/qt/FontSetup.h"

namespace {

constexpr int cellX[] = { 8, 120, 232, 345 }; // pixels in the strip
constexpr int cellY = 6;

QPoint cellCentre(int cell) { return { cellX[cell] + 46, cellY + 21 }; }

} // namespace

class TestForm2Shown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::install(); }

    // The window takes the form's size, which hidden mode widens.
    void windowSize_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::addColumn<int>("formPixels");
        QTest::newRow("three characters") << short(0) << 359;
        QTest::newRow("hidden mode, four") << short(1) << 471;
    }
    void windowSize()
    {
        QFETCH(short, hidden);
        QFETCH(int, formPixels);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form2 dialog(*d.form);
        QCOMPARE(native(dialog)->size(), QSize(formPixels, 236));
    }

    // A click with any of Qt's buttons on the real strip picks the cell under it.
    void selection_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("まんが肉") << 0 << Qt::LeftButton;
        QTest::newRow("とり肉, right button") << 2 << Qt::RightButton;
        QTest::newRow("キン肉, middle button") << 3 << Qt::MiddleButton;
    }
    void selection()
    {
        QFETCH(int, cell);
        QFETCH(Qt::MouseButton, button);
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        d.state.charFrameX = 92;
        Form2 dialog(*d.form);
        dialog.show();
        QTest::mouseClick(native(dialog.Picture1), button, {}, cellCentre(cell));
        QVERIFY(!native(dialog)->isVisible());
        QCOMPARE(d.state.charFrameX, 92 * cell);
    }

    // Escape typed on the focused strip, and the close box, as Qt delivers them.
    void cancel_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("close box") << false;
    }
    void cancel()
    {
        QFETCH(bool, escape);
        MainWindowDriver d;
        Form2 dialog(*d.form);
        dialog.show();
        QWidget *window = native(dialog);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), native(dialog.Picture1));
        QTest::mouseMove(native(dialog.Picture1), cellCentre(1));
        if (escape)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            window->close();
        QVERIFY(!dialog.isLoaded());
        QVERIFY(!window->isVisible());
        QCOMPARE(d.state.charFrameX, 0);
    }

    // The real button: a fresh dialog at each opening, application modal, with
    // no owner; after it the focus is on the button, which the click took.
    void openedByTheMainWindow()
    {
        MainWindowDriver d;
        QVERIFY(MainWindowDriver::whileShown<Form2>(d.form->Cmd_nikusel, [](Form2 &dialog) {
            QWidget *window = native(dialog);
            QVERIFY(window->isModal());
            QCOMPARE(window->windowModality(), Qt::ApplicationModal);
            QVERIFY(!window->parentWidget());
            window->close();
        }));
        QCOMPARE(d.state.charFrameX, 0);

        d.state.hiddenMode = 1;
        QVERIFY(MainWindowDriver::whileShown<Form2>(d.form->Cmd_nikusel, [](Form2 &dialog) {
            QTest::mouseClick(native(dialog.Picture1), Qt::LeftButton, {}, cellCentre(3));
        }));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(d.state.charFrameX, 276);
        QCOMPARE(d.shown()->focusWidget(), native(d.form->Cmd_nikusel));
    }

    // The jump goes on behind the dialog, on the real timer, while its modal
    // loop runs.
    void chosenDuringAFlight()
    {
        MainWindowDriver d;
        d.jump();
        int ticksBehind = 0;
        QVERIFY(MainWindowDriver::whileShown<Form2>(d.form->Cmd_nikusel, [&](Form2 &dialog) {
            QVERIFY(QTest::qWaitFor([&] { return d.window().jumpTime >= 4; }, 5000));
            ticksBehind = d.window().jumpTime / 2;
            QTest::mouseClick(native(dialog.Picture1), Qt::LeftButton, {}, cellCentre(2));
        }));
        QVERIFY(ticksBehind >= 2);
        QCOMPARE(d.state.charFrameX, 184);
        QVERIFY(d.form->timer().enabled());
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestForm2Shown)
#include "tst_form2_shown.moc"
