// Zubrik: helpers for the selection-dialog tests: modal shows, the pictures as shipped.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "ExpectedFrame.h"
#include "platform/qt/QtForm.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <functional>

namespace DialogDriver {

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
