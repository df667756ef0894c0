// Zubrik: the stage select as a real window: its widgets on screen, the mouse and the keys on them, its modal show.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "MainWindowDriver.h"

#include "dialogs/Form3.h"
#include "platform/Frame.h"
#include "platform/Line.h"
#include "platform/qt/FontSetup.h"

using namespace DialogDriver;

namespace {

QPoint thumbnailCentre(int stage) { return { 134 * stage + 66, 40 }; }

const QString prompt = QStringLiteral("ステージを選択して下さい。");

QImage stagePicture(int stage)
{
    return sheet(QStringLiteral("bg%1").arg(stage).toLatin1().constData());
}

} // namespace

class TestForm3Shown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::install(); }

    // Where the widgets stand on screen, the names measured in the real font.
    void layout_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::addColumn<int>("formPixels");
        QTest::newRow("three stages") << short(0) << 423;
        QTest::newRow("hidden mode, four") << short(1) << 557;
    }
    void layout()
    {
        QFETCH(short, hidden);
        QFETCH(int, formPixels);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form3 dialog(*d.form);
        QWidget *window = native(dialog);
        QCOMPARE(window->size(), QSize(formPixels, 245));
        QWidget *strip = native(dialog.Picture1);
        QCOMPARE(native(dialog.Line1)->geometry().right(), strip->geometry().right());
        QCOMPARE(native(dialog.Frame1)->geometry().right(), strip->geometry().right());

        checkNamesUnderChoices(dialog, [](int stage) { return 134 * stage + 67; }, hidden != 0);
        QCOMPARE(window->windowTitle(), QStringLiteral("ステージ選択"));
    }

    void descriptions()
    {
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        Form3 dialog(*d.form);
        QVERIFY(showAlone(d, dialog));
        for (int i = 0; i < 4; ++i) {
            QTest::mouseMove(native(dialog.Picture1), thumbnailCentre(i));
            QCOMPARE(caption(dialog.Chara), QString::fromStdString(Form3::description(std::int16_t(i))));
            QVERIFY(descriptionFits(dialog));
        }
    }

    void selection_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<double>("launchSpeed");
        QTest::newRow("平原") << 0 << Qt::LeftButton << 75.0;
        QTest::newRow("砂漠地帯, right button") << 1 << Qt::RightButton << 60.0;
        QTest::newRow("宇宙空間") << 2 << Qt::LeftButton << 120.0;
        QTest::newRow("リング") << 3 << Qt::LeftButton << 70.0;
    }
    // A click with any button on the real strip.
    void selection()
    {
        QFETCH(int, stage);
        QFETCH(Qt::MouseButton, button);
        QFETCH(double, launchSpeed);
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        d.state.stageDc = d.form->Bg(std::int16_t((stage + 1) % 4)).hDC();
        d.form->FrameCompositor();
        Form3 dialog(*d.form);
        dialog.show();

        QTest::mouseClick(native(dialog.Picture1), button, {}, thumbnailCentre(stage));
        QVERIFY(!native(dialog)->isVisible());
        QCOMPARE(d.state.stageDc, d.form->Bg(std::int16_t(stage)).hDC());
        QCOMPARE(d.state.launchSpeed, launchSpeed);
        // Above the standing character, Pic shows nothing but the new stage.
        QVERIFY(MainWindowDriver::samePixels(d.frame().copy(0, 0, 303, 120),
                                             stagePicture(stage).copy(0, 0, 303, 120)));
    }

    void cancel()
    {
        MainWindowDriver d;
        Form3 dialog(*d.form);
        dialog.show();
        QWidget *window = native(dialog);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!dialog.isLoaded());
        QCOMPARE(d.state.stageDc, d.form->Bg(0).hDC());
        QCOMPARE(d.state.launchSpeed, 75.0);
    }

    // The real button: modal, with no owner; a boundary pixel picks nothing.
    void openedByTheMainWindow()
    {
        MainWindowDriver d;
        bool seen = false;
        whileShown<Form3>([](Form3 &dialog) {
            QWidget *window = native(dialog);
            QCOMPARE(window->width(), 423);
            QVERIFY(window->isModal());
            QVERIFY(!window->parentWidget());
            QTest::mouseClick(native(dialog.Picture1), Qt::LeftButton, {}, { 134 * 2, 5 }); // a boundary pixel
            QVERIFY(dialog.isLoaded());
            QTest::mouseClick(native(dialog.Picture1), Qt::LeftButton, {}, thumbnailCentre(2));
        }, seen);
        d.click(d.form->Cmd_stgsel);
        QVERIFY(seen);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(d.state.stageDc, d.form->Bg(2).hDC());
        QCOMPARE(d.state.launchSpeed, 120.0);
        d.jump();
        QCOMPARE(d.tickUntilLanded(), 18); // launch speed 120, gravity 9.8
    }

    // The jump goes on behind the dialog; the new launch speed rules from the next tick.
    void chosenDuringAFlight()
    {
        MainWindowDriver d;
        pickDuringAFlight<Form3>(d, d.form->Cmd_stgsel, thumbnailCentre(1));
        if (QTest::currentTestFailed())
            return;
        const double before = d.state.charY;
        const double t = d.window().jumpTime + 2;
        d.tick();
        QCOMPARE((before - d.state.charY) * 15, 60 * t - 9.8 / 2 * t * t);
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestForm3Shown)
#include "tst_form3_shown.moc"
