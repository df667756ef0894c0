// Zubrik: writing pictures as palette PNGs and the icon file.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/PictureFiles.h"

#include <QFile>
#include <QImageWriter>

#include <algorithm>
#include <map>

namespace {

constexpr int kIconColours = 16;
constexpr int kIconDirSize = 6;
constexpr int kIconEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

std::vector<QRgb> paletteOf(const Canvas &canvas)
{
    std::vector<QRgb> palette;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb c = 0xff000000u | canvas.at(x, y);
            if (std::find(palette.begin(), palette.end(), c) == palette.end())
                palette.push_back(c);
        }
    return palette;
}

void put16(QByteArray &out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void put32(QByteArray &out, quint32 v)
{
    put16(out, int(v & 0xffff));
    put16(out, int(v >> 16));
}

int rowBytes(int bits) { return (bits + 31) / 32 * 4; }

// A device-independent bitmap as icons hold it: header, palette, the colour
// rows bottom-up at four bits a pixel, then the one-bit AND mask, all zero
// because every pixel is opaque.
QByteArray iconImage(const Canvas &canvas, const std::vector<QRgb> &palette)
{
    const int w = canvas.width();
    const int h = canvas.height();
    const int colourRow = rowBytes(w * 4);
    const int maskRow = rowBytes(w);
    QByteArray out;
    put32(out, kBitmapHeaderSize);
    put32(out, quint32(w));
    put32(out, quint32(2 * h)); // colour rows and mask rows together
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, quint32((colourRow + maskRow) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, kIconColours);
    put32(out, 0);
    for (int k = 0; k < kIconColours; ++k) {
        const QRgb c = k < int(palette.size()) ? palette[k] : 0xff000000u;
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
    std::map<QRgb, int> index;
    for (int k = 0; k < int(palette.size()); ++k)
        index[palette[k]] = k;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < w; ++x) {
            const int i = index[0xff000000u | canvas.at(x, y)];
            row[x / 2] = char(row[x / 2] | (x % 2 ? i : i << 4));
        }
        out.append(row);
    }
    out.append(QByteArray(maskRow * h, '\0'));
    return out;
}

} // namespace

QImage PictureFiles::toPaletteImage(const Canvas &canvas)
{
    const std::vector<QRgb> palette = paletteOf(canvas);
    QImage image(canvas.width(), canvas.height(), QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    std::map<QRgb, int> index;
    for (int k = 0; k < int(palette.size()); ++k)
        index[palette[k]] = k;
    for (int y = 0; y < canvas.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < canvas.width(); ++x)
            line[x] = uchar(index[0xff000000u | canvas.at(x, y)]);
    }
    return image;
}

bool PictureFiles::writePng(const Canvas &canvas, const QString &path)
{
    QImageWriter writer(path, "png");
    return writer.write(toPaletteImage(canvas));
}

QByteArray PictureFiles::iconFile(const std::vector<Canvas> &images)
{
    std::vector<QByteArray> bodies;
    for (const Canvas &canvas : images) {
        const std::vector<QRgb> palette = paletteOf(canvas);
        if (int(palette.size()) > kIconColours || canvas.width() > 256 || canvas.height() > 256)
            return {};
        bodies.push_back(iconImage(canvas, palette));
    }
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon, not a cursor
    put16(out, int(images.size()));
    quint32 offset = quint32(kIconDirSize + kIconEntrySize * images.size());
    for (std::size_t k = 0; k < images.size(); ++k) {
        out.append(char(images[k].width() % 256));
        out.append(char(images[k].height() % 256));
        out.append(char(kIconColours));
        out.append('\0');
        put16(out, 1);
        put16(out, 4);
        put32(out, quint32(bodies[k].size()));
        put32(out, offset);
        offset += quint32(bodies[k].size());
    }
    for (const QByteArray &body : bodies)
        out.append(body);
    return out;
}

bool PictureFiles::writeFile(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size() && file.flush();
}
