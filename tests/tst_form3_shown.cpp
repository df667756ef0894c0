// Zubrik: the stage select as a real window: its size, Qt's mouse on it, its modal show.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "MainWindowDriver.h"

#include "dialogs/Form3.h"
#include "platform/qt/FontSetup.h"

namespace {

QPoint thumbnailCentre(int stage) { return { 134 * stage + 66, 40 }; }

} // namespace

class TestForm3Shown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::install(); }

    // The window takes the form's size, which hidden mode widens.
    void windowSize_data()
    {
        QTest::addColumn<short>("hidden");
        QTest::addColumn<int>("formPixels");
        QTest::newRow("three stages") << short(0) << 423;
        QTest::newRow("hidden mode, four") << short(1) << 557;
    }
    void windowSize()
    {
        QFETCH(short, hidden);
        QFETCH(int, formPixels);
        MainWindowDriver d;
        d.state.hiddenMode = hidden;
        Form3 dialog(*d.form);
        QCOMPARE(native(dialog)->size(), QSize(formPixels, 245));
    }

    // A click on the real strip picks the thumbnail under it, the fourth (right
    // of the three stages' width) once hidden mode offers it.
    void selection_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("平原") << 0 << Qt::LeftButton;
        QTest::newRow("宇宙空間, right button") << 2 << Qt::RightButton;
        QTest::newRow("リング") << 3 << Qt::LeftButton;
    }
    void selection()
    {
        QFETCH(int, stage);
        QFETCH(Qt::MouseButton, button);
        MainWindowDriver d;
        d.state.hiddenMode = 1;
        d.state.stageDc = d.form->Bg(1).hDC();
        Form3 dialog(*d.form);
        dialog.show();
        QTest::mouseClick(native(dialog.Picture1), button, {}, thumbnailCentre(stage));
        QVERIFY(!native(dialog)->isVisible());
        QCOMPARE(d.state.stageDc, d.form->Bg(std::int16_t(stage)).hDC());
    }

    // The real button: application modal, with no owner; a boundary pixel
    // clicked inside the modal loop picks nothing, a thumbnail does.
    void openedByTheMainWindow()
    {
        MainWindowDriver d;
        QVERIFY(MainWindowDriver::whileShown<Form3>(d.form->Cmd_stgsel, [](Form3 &dialog) {
            QWidget *window = native(dialog);
            QCOMPARE(window->windowModality(), Qt::ApplicationModal);
            QVERIFY(!window->parentWidget());
            QTest::mouseClick(native(dialog.Picture1), Qt::LeftButton, {}, { 134 * 2, 5 });
            QVERIFY(dialog.isLoaded());
            QTest::mouseClick(native(dialog.Picture1), Qt::LeftButton, {}, thumbnailCentre(2));
        }));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(d.state.stageDc, d.form->Bg(2).hDC());
    }

private:
    // Made after the application object; every form of the tests needs it.
    QtToolkit m_toolkit;
};

QTEST_MAIN(TestForm3Shown)
#include "tst_form3_shown.moc"
