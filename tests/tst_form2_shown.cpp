// Zubrik: the character select as a real window: its widgets on screen, the mouse and the keys on them, its modal show.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "MainWindowDriver.h"

#include "dialogs/Form2.h"
#include "platform/Frame.h"
#include "platform/ImageBox.h"
#include "platform/Line.h"
#include "platform/qt/FontSetup.h"

#include <QGroupBox>
#include <QSet>

using namespace DialogDriver;

namespace {

constexpr int cellX[] = { 8, 120, 232, 345 }; // pixels in the strip
constexpr int cellY = 6;

QPoint cellCentre(int cell) { return { cellX[cell] + 46, cellY + 21 }; }

const QString prompt = QStringLiteral("肉を選択して下さい。");

} // namespace

class TestForm2Shown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::install(); }

    // Where the widgets stand on screen, the names measured in the real font.
    void layout_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::addColumn<int>("formPixels");
        QTest::newRow("three characters") << short(0) << 359;
        QTest::newRow("hidden mode, four") << short(1) << 471;
    }
    void layout()
    {
        QFETCH(short, hidden);
        QFETCH(int, formPixels);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form2 dialog(*d.form);
        QWidget *window = native(dialog);
        QCOMPARE(window->size(), QSize(formPixels, 236));
        // The separator and the frame end together at the strip's right edge,
        // less the half pixel by which 5062.5 twips round up.
        QCOMPARE(native(dialog.Line1)->geometry().right(), native(dialog.Frame1)->geometry().right());
        QCOMPARE(native(dialog.Picture1)->geometry().right() - native(dialog.Frame1)->geometry().right(),
                 hidden ? 0 : 1);

        checkNamesUnderChoices(dialog, [](int cell) { return cellCentre(cell).x(); }, hidden != 0);
        QCOMPARE(window->windowTitle(), QStringLiteral("肉選択"));
        QCOMPARE(qobject_cast<QGroupBox *>(native(dialog.Frame1))->title(), QStringLiteral("特徴"));
    }

    // The 48-pixel icon shrunk to 32 keeps its hard pixel edges: no colour
    // appears that the icon does not have.
    void iconNotSmoothed()
    {
        MainWindowDriver d;
        Form2 dialog(*d.form);
        const QImage icon = sheet("icon48");
        QSet<QRgb> colours;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                colours.insert(icon.pixel(x, y));
        const QImage shown =
            native(dialog.imageBox("Image1"))->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QVERIFY2(colours.contains(shown.pixel(x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void descriptionsStayOverGapsAndBands()
    {
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        Form2 dialog(*d.form);
        QVERIFY(showAlone(d, dialog));
        QWidget *strip = native(dialog.Picture1);
        for (int i = 0; i < 4; ++i) {
            const QString expected = QString::fromStdString(Form2::description(std::int16_t(i)));
            QTest::mouseMove(strip, cellCentre(i));
            QCOMPARE(caption(dialog.Chara), expected);
            QVERIFY(descriptionFits(dialog));
            QTest::mouseMove(strip, cellCentre(i) + QPoint(50, 0)); // the gap after the cell
            QTest::mouseMove(strip, cellCentre(i) - QPoint(0, 24)); // the top band
            QTest::mouseMove(strip, cellCentre(i) + QPoint(0, 28)); // the bottom band
            QCOMPARE(caption(dialog.Chara), expected);
        }
    }

    void selection_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<double>("gravity");
        QTest::newRow("まんが肉") << 0 << Qt::LeftButton << 9.8;
        QTest::newRow("牛肉") << 1 << Qt::LeftButton << 10.6;
        QTest::newRow("とり肉, right button") << 2 << Qt::RightButton << 9.0;
        QTest::newRow("キン肉, middle button") << 3 << Qt::MiddleButton << 8.2;
    }
    // A click with any button on the real strip.
    void selection()
    {
        QFETCH(int, cell);
        QFETCH(Qt::MouseButton, button);
        QFETCH(double, gravity);
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        // Start from another character, so that the redraw shows.
        d.state.charFrameX = 92 * ((cell + 1) % 3);
        d.form->FrameCompositor();
        Form2 dialog(*d.form);
        dialog.show();

        QTest::mouseClick(native(dialog.Picture1), button, {}, cellCentre(cell));
        QVERIFY(!native(dialog)->isVisible());
        QCOMPARE(d.state.charFrameX, 92 * cell);
        QCOMPARE(d.state.gravity, gravity);
        if (cell == 3)
            QVERIFY(showsSprite(d.frame(), { 110, 95 }, sheet("nikuk"), 0, { 82, 67 }));
        else
            QVERIFY(showsSprite(d.frame(), { 106, 120 }, sheet("niku"), 92 * cell, { 92, 42 }));
    }

    // Dragged out of the strip with a button held, the strip keeps the mouse; a
    // second button pressed there must not pick the character that is not offered.
    void pressBeyondTheStripPicksNothing()
    {
        MainWindowDriver d;
        Form2 dialog(*d.form);
        dialog.show();
        QWidget *strip = native(dialog.Picture1);
        QTest::mousePress(strip, Qt::LeftButton, {}, { 110, 28 }); // the gap: nothing
        QTest::mouseMove(strip, cellCentre(3));
        QTest::mousePress(strip, Qt::RightButton, {}, cellCentre(3));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, cellCentre(3));
        QVERIFY(dialog.isLoaded());
        QCOMPARE(d.state.charFrameX, 0);
        QCOMPARE(caption(dialog.Chara), prompt);
    }

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
        QTest::mouseMove(native(dialog.Picture1), cellCentre(1));
        if (escape)
            QTest::keyClick(window, Qt::Key_Escape);
        else
            window->close();
        QVERIFY(!dialog.isLoaded());
        QVERIFY(!window->isVisible());
        QCOMPARE(d.state.charFrameX, 0);
        QCOMPARE(d.state.gravity, 9.8);
    }

    // The real button: a fresh dialog at each opening, modal, with no owner.
    void openedByTheMainWindow()
    {
        MainWindowDriver d;
        bool seen = false;
        whileShown<Form2>([](Form2 &dialog) {
            QWidget *window = native(dialog);
            QCOMPARE(window->width(), 359);
            QVERIFY(window->isModal());
            QVERIFY(!window->parentWidget());
            dialog.Picture1_MouseMove(0, 0, 2500, 400);
            QCOMPARE(caption(dialog.Chara), QString::fromStdString(Form2::description(1)));
            window->close();
        }, seen);
        d.click(d.form->Cmd_nikusel);
        QVERIFY(seen);
        QCOMPARE(d.state.charFrameX, 0);

        d.state.hiddenMode = 1;
        whileShown<Form2>([](Form2 &dialog) {
            QCOMPARE(native(dialog)->width(), 471);
            QCOMPARE(caption(dialog.Chara), prompt);
            QTest::mouseClick(native(dialog.Picture1), Qt::LeftButton, {}, cellCentre(3));
        }, seen);
        d.click(d.form->Cmd_nikusel);
        QVERIFY(seen);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(d.state.charFrameX, 276);
        QCOMPARE(d.state.gravity, 8.2);
        QCOMPARE(d.shown()->focusWidget(), native(d.form->Cmd_jump));
        d.jump();
        QCOMPARE(d.tickUntilLanded(), 14); // launch speed 75, gravity 8.2
    }

    // The jump goes on behind the dialog; the new gravity rules from the next tick.
    void chosenDuringAFlight()
    {
        MainWindowDriver d;
        pickDuringAFlight<Form2>(d, d.form->Cmd_nikusel, cellCentre(2));
        if (QTest::currentTestFailed())
            return;
        const double before = d.state.charY;
        const double t = d.window().jumpTime + 2;
        d.tick();
        QCOMPARE((before - d.state.charY) * 15, 75 * t - 9.0 / 2 * t * t);
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestForm2Shown)
#include "tst_form2_shown.moc"
