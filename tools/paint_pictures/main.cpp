// Zubrik: the painter that draws every picture the game ships.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/PictureFiles.h"
#include "tools/paint_pictures/Pictures.h"
#include "tools/paint_pictures/ProofSheets.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char *kIconFile = "zubrik.ico";

int usage()
{
    std::fprintf(stderr,
                 "usage: paint_pictures <outdir>\n"
                 "       paint_pictures --contact-sheet <file.png>\n"
                 "       paint_pictures --on-stages <file.png>\n");
    return 2;
}

int fail(const QString &what)
{
    std::fprintf(stderr, "paint_pictures: %s\n", qPrintable(what));
    return 1;
}

int paintInto(const QString &outDir)
{
    const QDir dir(outDir);
    if (!dir.exists() && !QDir().mkpath(outDir))
        return fail(QStringLiteral("cannot create %1").arg(outDir));
    const std::vector<pictures::Picture> all = pictures::paintAll();
    for (const pictures::Picture &p : all) {
        const QString path = dir.filePath(QString::fromLatin1(p.fileName));
        if (!PictureFiles::writePng(p.canvas, path))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    const QByteArray icon = PictureFiles::iconFile({pictures::paintIcon(32), pictures::paintIcon(48)});
    if (icon.isEmpty())
        return fail(QStringLiteral("the icon has more than 16 colours"));
    const QString iconPath = dir.filePath(QString::fromLatin1(kIconFile));
    if (!PictureFiles::writeFile(icon, iconPath))
        return fail(QStringLiteral("cannot write %1").arg(iconPath));
    return 0;
}

int writeProof(const Canvas &sheet, const QString &path)
{
    if (!sheet.toImage().save(path, "png"))
        return fail(QStringLiteral("cannot write %1").arg(path));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && argv[1][0] != '-')
        return paintInto(QString::fromLocal8Bit(argv[1]));
    if (argc == 3 && std::strcmp(argv[1], "--contact-sheet") == 0)
        return writeProof(ProofSheets::contactSheet(pictures::paintAll()),
                          QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--on-stages") == 0)
        return writeProof(ProofSheets::onStages(pictures::paintAll()),
                          QString::fromLocal8Bit(argv[2]));
    return usage();
}
