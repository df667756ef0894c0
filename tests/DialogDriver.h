// Zubrik: helpers for the selection-dialog tests: modal shows, expected strip pixels.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/FontSetup.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <cmath>
#include <functional>

namespace DialogDriver {

// Acts on the modal dialog of type Dialog once its show has started. Whatever
// `act` does or fails, the dialog is closed afterwards, so no test can hang in
// the nested loop. `seen` tells whether such a dialog came up at all.
template<class Dialog>
void whileShown(std::function<void(Dialog &)> act, bool &seen)
{
    seen = false;
    QTimer::singleShot(0, [act, &seen] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        act(*dialog);
        if (dialog->isLoaded())
            dialog->close();
    });
}

inline QImage sheet(const char *name)
{
    return QImage(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)))
        .convertToFormat(QImage::Format_RGB32);
}

// Nearest-neighbour reduction or enlargement, sampling each target pixel's centre.
inline QImage nearest(const QImage &source, QSize size)
{
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            out.setPixel(x, y,
                         source.pixel(int(std::floor((x + 0.5) * source.width() / size.width())),
                                      int(std::floor((y + 0.5) * source.height() / size.height()))));
    return out;
}

// (background AND mask) OR sprite at `at`, clipped to the target.
inline void paintMasked(QImage &target, QPoint at, const QImage &sprite, const QImage &mask)
{
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x) {
            const QPoint p = at + QPoint(x, y);
            if (target.rect().contains(p))
                target.setPixel(p, (target.pixel(p) & mask.pixel(x, y)) | sprite.pixel(x, y));
        }
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
