// Zubrik: helpers for the selection-dialog tests: native widgets, modal shows, the pictures as shipped.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "ExpectedFrame.h"
#include "MainWindowDriver.h"
#include "dialogs/SelectionDialog.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtToolkit.h"

#include <QApplication>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>

namespace DialogDriver {

inline QWidget *native(const Control &control) { return QtToolkit::widget(control); }
inline QWidget *native(const Form &form) { return QtToolkit::window(form); }

inline QString caption(const Label &label) { return QString::fromStdString(label.caption()); }

// QTest moves the cursor itself, and the top window under it gets the moves:
// the main window is kept from under the dialog. False if it never showed.
inline bool showAlone(MainWindowDriver &d, Form &dialog)
{
    d.shown()->hide();
    dialog.show();
    return QTest::qWaitForWindowExposed(native(dialog));
}

// The whole description fits in the frame.
inline bool descriptionFits(const SelectionDialog &dialog)
{
    const QRect chara = native(dialog.Chara)->geometry();
    const QWidget *frame = native(dialog.Frame1);
    return chara.right() < frame->width() && chara.bottom() < frame->height();
}

// The form that the native window shows, if it is one of the game's windows of type Dialog.
template<class Dialog>
Dialog *formOf(QWidget *window)
{
    auto *shown = qobject_cast<QtForm *>(window);
    return shown ? dynamic_cast<Dialog *>(&shown->model()) : nullptr;
}

// Acts on the modal dialog of type Dialog once its show has started. Whatever
// `act` does or fails, the dialog is closed afterwards, so no test can hang in
// the nested loop. `seen` tells whether such a dialog came up at all.
template<class Dialog>
void whileShown(std::function<void(Dialog &)> act, bool &seen)
{
    seen = false;
    QTimer::singleShot(0, [act, &seen] {
        QWidget *window = QApplication::activeModalWidget();
        auto *dialog = formOf<Dialog>(window);
        if (!dialog)
            return;
        seen = true;
        act(*dialog);
        if (dialog->isLoaded())
            window->close();
    });
}

// Each name stands centred, within a pixel, under `centreX(i)` of the strip;
// the fourth lies outside the window until it is offered.
inline void checkNamesUnderChoices(const SelectionDialog &dialog, int (*centreX)(int), bool fourthOffered)
{
    const QWidget *strip = native(dialog.Picture1);
    for (std::int16_t i = 0; i < 4; ++i) {
        const QRect name = native(dialog.Label1(i))->geometry();
        QVERIFY2(std::abs(name.x() + name.width() / 2.0 - (strip->x() + centreX(i))) <= 1,
                 qPrintable(caption(dialog.Label1(i))));
    }
    QCOMPARE(native(dialog.Label1(3))->x() >= native(dialog)->width(), !fourthOffered);
}

// During a jump, opens the dialog by `opener` and picks at `at` once the
// flight has gone on behind it, on the real timer, for two ticks or more.
template<class Dialog>
void pickDuringAFlight(MainWindowDriver &d, const CommandButton &opener, QPoint at)
{
    d.jump();
    bool seen = false;
    int ticksBehind = 0;
    whileShown<Dialog>([&](Dialog &dialog) {
        QVERIFY(QTest::qWaitFor([&] { return d.window().jumpTime >= 4; }, 5000));
        ticksBehind = d.window().jumpTime / 2;
        QTest::mouseClick(native(dialog.Picture1), Qt::LeftButton, {}, at);
    }, seen);
    d.click(opener);
    QVERIFY(seen);
    QVERIFY(ticksBehind >= 2);
    QVERIFY(d.form->timer().enabled());
}

inline QImage sheet(const char *name)
{
    return shippedPicture(QLatin1String(name));
}

// Every pixel under the black of the mask shows the sprite: the sheet cell
// (cellX, 0, size) with its mask below it is what `frame` shows at `at`.
inline bool showsSprite(const QImage &frame, QPoint at, const QImage &sheet, int cellX, QSize size)
{
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (qRgb(0, 0, 0) == sheet.pixel(cellX + x, size.height() + y)
                && frame.pixel(at + QPoint(x, y)) != sheet.pixel(cellX + x, y))
                return false;
    return true;
}

} // namespace DialogDriver
