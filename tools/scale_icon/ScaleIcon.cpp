// Zubrik: enlarges a pixel-art picture by a whole factor: zubrik_scale_icon SOURCE FACTOR OUTPUT.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: zubrik_scale_icon SOURCE FACTOR OUTPUT\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    bool isNumber = false;
    const int factor = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    // Only whole-number enlargements keep every pixel a sharp square; anything
    // else would have to blend or drop pixels.
    if (source.isNull() || !isNumber || factor < 1) {
        std::fprintf(stderr, "zubrik_scale_icon: cannot read %s or bad factor %s\n", argv[1], argv[2]);
        return 1;
    }
    const QImage scaled = source.convertToFormat(QImage::Format_ARGB32)
                              .scaled(source.size() * factor, Qt::IgnoreAspectRatio,
                                      Qt::FastTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "zubrik_scale_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
