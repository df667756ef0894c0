// Zubrik: tests of the stage select through the real dialog and the main window's button.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "DialogDriver.h"
#include "MainWindowDriver.h"

#include "dialogs/Form2.h"
#include "dialogs/Form3.h"
#include "platform/LineControl.h"
#include "platform/Twips.h"
#include "ui_Form3.h"

#include <QGroupBox>

using namespace DialogDriver;

namespace {

constexpr double launchSpeeds[] = { 75, 60, 120, 70 };

QPoint thumbnailCentre(int stage) { return { 134 * stage + 66, 40 }; }

const QString prompt = QStringLiteral("ステージを選択して下さい。");

QImage stagePicture(int stage)
{
    return sheet(QStringLiteral("bg%1").arg(stage).toLatin1().constData());
}

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::install(); }

    void layout_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::addColumn<float>("strip");
        QTest::addColumn<int>("stripPixels");
        QTest::addColumn<float>("form");
        QTest::addColumn<int>("formPixels");
        QTest::newRow("three stages") << short(0) << 6030.0f << 402 << 6350.0f << 423;
        QTest::newRow("hidden mode, four") << short(1) << 8040.0f << 536 << 8360.0f << 557;
    }
    void layout()
    {
        QFETCH(short, hidden);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form3 dialog(*d.form);
        const Ui::Form3 &ui = dialog.widgets();
        QFETCH(float, strip);
        QFETCH(int, stripPixels);
        QCOMPARE(Twips::width(ui.Picture1), strip);
        QCOMPARE(ui.Picture1->image().size(), QSize(stripPixels, 81));
        QFETCH(float, form);
        QFETCH(int, formPixels);
        QCOMPARE(dialog.formWidth(), form);
        QCOMPARE(dialog.size(), QSize(formPixels, 245));
        QCOMPARE(ui.Line1->x2(), strip + 120);
        QCOMPARE(Twips::width(ui.Frame1), strip);
        QCOMPARE(ui.Line1->geometry().right(), ui.Picture1->geometry().right());
        QCOMPARE(ui.Frame1->geometry().right(), ui.Picture1->geometry().right());

        for (std::int16_t i = 0; i < 4; ++i) {
            const QRect name = dialog.Label1(i)->geometry();
            const double pitchCentre = ui.Picture1->x() + 134 * i + 67;
            QVERIFY2(std::abs(name.x() + name.width() / 2.0 - pitchCentre) <= 1, qPrintable(dialog.Label1(i)->caption()));
        }
        QCOMPARE(dialog.Label1(3)->x() >= dialog.width(), hidden == 0);
        QCOMPARE(dialog.Label1(3)->caption(), QStringLiteral("リング"));
        QCOMPARE(ui.Chara->caption(), prompt);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ステージ選択"));
    }

    void thumbnails_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::newRow("three stages") << short(0);
        QTest::newRow("hidden mode, four") << short(1);
    }
    void thumbnails()
    {
        QFETCH(short, hidden);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form3 dialog(*d.form);

        QImage expected(hidden ? 536 : 402, 81, QImage::Format_RGB32);
        expected.fill(qRgb(224, 224, 224));
        for (int i = 0; i < 4; ++i) {
            const QImage thumbnail = nearest(stagePicture(i), { 133, 81 });
            for (int y = 0; y < 81; ++y)
                for (int x = 0; x < 133 && 134 * i + x < expected.width(); ++x)
                    expected.setPixel(134 * i + x, y, thumbnail.pixel(x, y));
        }
        QVERIFY(MainWindowDriver::samePixels(dialog.widgets().Picture1->image(), expected));
    }

    // x in twips of the strip's client area; y is never looked at. -1: no stage.
    void hitTest_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("stage");
        for (short hidden : { 0, 1 }) {
            const QByteArray mode = hidden ? "hidden, " : "";
            for (int edge = 0; edge <= 3 + hidden; ++edge) {
                const float x = edge * 2010.0f;
                const QByteArray at = mode + "boundary " + QByteArray::number(edge);
                const int after = edge < 3 + hidden ? edge : -1;
                QTest::newRow(at + " before") << hidden << x - 7.5f << 600.0f << (edge > 0 ? edge - 1 : -1);
                QTest::newRow(at + " on") << hidden << x << 600.0f << -1;
                QTest::newRow(at + " after") << hidden << x + 7.5f << 600.0f << after;
            }
        }
        QTest::newRow("free column, high above") << short(0) << 1995.0f << -3000.0f << 0;
        QTest::newRow("far below") << short(0) << 4500.0f << 9000.0f << 2;
        // Dragged out past the strip with a button held: the ring is not offered.
        QTest::newRow("beyond the strip") << short(0) << 6700.0f << 600.0f << -1;
    }
    void hitTest()
    {
        QFETCH(short, hidden);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, stage);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form3 dialog(*d.form);
        dialog.show();

        dialog.Picture1_MouseMove(Qt::NoButton, Qt::NoModifier, x, y);
        QCOMPARE(dialog.widgets().Chara->caption(), stage < 0 ? prompt : Form3::description(std::int16_t(stage)));
        dialog.Picture1_MouseDown(Qt::RightButton, Qt::NoModifier, x, y);
        QCOMPARE(dialog.isLoaded(), stage < 0);
        QCOMPARE(d.state.stageDc, d.form->Bg(std::int16_t(stage < 0 ? 0 : stage))->hDC());
        QCOMPARE(d.state.launchSpeed, stage < 0 ? 75.0 : launchSpeeds[stage]);
    }

    void descriptions()
    {
        const QStringList expected {
            QStringLiteral("◆平原\r\nISO取得済世界標準仕様ステージ。\r\n練習用に最適である。"),
            QStringLiteral("◆砂漠地帯\r\n広大なる砂漠地帯。\r\nその多量の砂ゆえ、足をとられやすいので注意したい。"),
            QStringLiteral("◆宇宙空間\r\n未知なる宇宙。\r\n重力がない為、どこまでも飛んでいくと思いきや、なぜか戻ってくる。"),
            QStringLiteral("◆リング\r\nプロレスのリング。\r\nなんだか懐かしい雰囲気がする。"),
        };
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        Form3 dialog(*d.form);
        // QTest moves the cursor itself, and the top window under it gets the
        // moves: keep the main window from under the dialog.
        d.form->hide();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const Ui::Form3 &ui = dialog.widgets();
        for (int i = 0; i < 4; ++i) {
            QTest::mouseMove(ui.Picture1, thumbnailCentre(i));
            QCOMPARE(ui.Chara->caption(), expected[i]);
            QVERIFY(ui.Chara->geometry().right() < ui.Frame1->width());
            QVERIFY(ui.Chara->geometry().bottom() < ui.Frame1->height());
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
    void selection()
    {
        QFETCH(int, stage);
        QFETCH(Qt::MouseButton, button);
        QFETCH(double, launchSpeed);
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        d.state.stageDc = d.form->Bg(std::int16_t((stage + 1) % 4))->hDC();
        d.form->FrameCompositor();
        Form3 dialog(*d.form);
        dialog.show();

        QTest::mouseClick(dialog.widgets().Picture1, button, {}, thumbnailCentre(stage));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(d.state.stageDc, d.form->Bg(std::int16_t(stage))->hDC());
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
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isLoaded());
        QCOMPARE(d.state.stageDc, d.form->Bg(0)->hDC());
        QCOMPARE(d.state.launchSpeed, 75.0);
    }

    void openedByTheMainWindow()
    {
        MainWindowDriver d;
        bool seen = false;
        whileShown<Form3>([](Form3 &dialog) {
            QCOMPARE(dialog.width(), 423);
            QVERIFY(dialog.isModal());
            QVERIFY(!dialog.parentWidget());
            QTest::mouseClick(dialog.widgets().Picture1, Qt::LeftButton, {}, { 134 * 2, 5 }); // a boundary pixel
            QVERIFY(dialog.isLoaded());
            QTest::mouseClick(dialog.widgets().Picture1, Qt::LeftButton, {}, thumbnailCentre(2));
        }, seen);
        d.click(d.ui().Cmd_stgsel);
        QVERIFY(seen);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(d.state.stageDc, d.form->Bg(2)->hDC());
        QCOMPARE(d.state.launchSpeed, 120.0);
        d.jump();
        QCOMPARE(d.tickUntilLanded(), 18); // launch speed 120, gravity 9.8
    }

    void chosenDuringAFlight()
    {
        MainWindowDriver d;
        d.jump();
        bool seen = false;
        whileShown<Form3>([&](Form3 &dialog) {
            QVERIFY(QTest::qWaitFor([&] { return d.window().jumpTime >= 4; }, 5000));
            QTest::mouseClick(dialog.widgets().Picture1, Qt::LeftButton, {}, thumbnailCentre(1));
        }, seen);
        d.click(d.ui().Cmd_stgsel);
        QVERIFY(seen);
        QVERIFY(d.form->timer().enabled());
        const double before = d.state.charY;
        const double t = d.window().jumpTime + 2;
        d.tick();
        QCOMPARE((before - d.state.charY) * 15, 60 * t - 9.8 / 2 * t * t);
    }

    // Both choices made in the dialogs: the next jump lands on the tick the
    // landing table gives for the pair.
    void landingForEveryPair_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("character");
        QTest::addColumn<int>("ticks");
        QTest::newRow("宇宙空間, キン肉") << 2 << 3 << 22;
        QTest::newRow("砂漠地帯, 牛肉") << 1 << 1 << 9;
        QTest::newRow("平原, とり肉") << 0 << 2 << 13;
        QTest::newRow("リング, まんが肉") << 3 << 0 << 11;
        QTest::newRow("砂漠地帯, キン肉") << 1 << 3 << 11;
        QTest::newRow("宇宙空間, 牛肉") << 2 << 1 << 17;
        QTest::newRow("リング, キン肉") << 3 << 3 << 13;
        QTest::newRow("リング, とり肉") << 3 << 2 << 12;
    }
    void landingForEveryPair()
    {
        QFETCH(int, stage);
        QFETCH(int, character);
        QFETCH(int, ticks);
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        {
            Form2 characters(*d.form);
            characters.show();
            characters.Picture1_MouseDown(Qt::LeftButton, {}, float(character * 1575 + (character + 1) * 112.5 + 690), 400);
            QVERIFY(!characters.isLoaded());
        }
        {
            Form3 stages(*d.form);
            stages.show();
            stages.Picture1_MouseDown(Qt::LeftButton, {}, float(stage * 2010 + 1005), 400);
            QVERIFY(!stages.isLoaded());
        }
        d.jump();
        QCOMPARE(d.tickUntilLanded(), ticks);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
