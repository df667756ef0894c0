// Zubrik: writing pictures as palette PNGs and the icon file.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "tools/paint_pictures/Canvas.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

class PictureFiles
{
public:
    // A palette image whose colour table lists the colours in the order they
    // first appear, top row first, so the file depends on the pixels alone.
    static QImage toPaletteImage(const Canvas &canvas);

    static bool writePng(const Canvas &canvas, const QString &path);

    // An icon file with one 16-colour image per canvas and all-opaque masks.
    // Returns an empty array if a canvas has more than 16 colours.
    static QByteArray iconFile(const std::vector<Canvas> &images);
    static bool writeFile(const QByteArray &bytes, const QString &path);
};
