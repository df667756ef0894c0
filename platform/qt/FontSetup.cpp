// Zubrik: the fonts the windows are designed with, resolved to installed ones.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/FontSetup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace FontSetup {

QString designFamily()
{
    return QString::fromUtf8(Font::designFamily);
}

QStringList preferredFamilies()
{
    return { QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP") };
}

QString chooseFamily(const QStringList &installed, const QStringList &writingJapanese)
{
    for (const QString &family : preferredFamilies())
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return writingJapanese.value(0);
}

QString resolvedFamily()
{
    return chooseFamily(QFontDatabase::families(),
                        QFontDatabase::families(QFontDatabase::Japanese));
}

int pixelSizeForPoints(double points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

void install()
{
    // The chosen family alone, so that the windows show what resolvedFamily() reports.
    const QString family = resolvedFamily();
    if (!family.isEmpty())
        QFont::insertSubstitution(designFamily(), family);
    QFont font(designFamily());
    font.setPixelSize(pixelSizeForPoints(defaultPoints));
    QApplication::setFont(font);
}

QFont qtFont(const Font &font)
{
    QFont shown(QString::fromStdString(font.family));
    shown.setPixelSize(pixelSizeForPoints(font.points));
    shown.setBold(font.bold);
    return shown;
}

void applyPixelSizes(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            continue;
        QFont font = widget->font();
        if (font.pointSizeF() > 0) {
            font.setPixelSize(pixelSizeForPoints(font.pointSizeF()));
            widget->setFont(font);
        }
    }
}

int linePitch(const QFont &font)
{
    return std::min(QFontMetrics(font).height(), QFontInfo(font).pixelSize() + 1);
}

int roomAboveGlyphs(const QFont &font)
{
    constexpr double ideographicTop = 0.88;
    const int ascent = QFontMetrics(font).ascent();
    const int glyphTop = int(std::ceil(ideographicTop * QFontInfo(font).pixelSize()));
    return std::max(0, ascent - glyphTop);
}

} // namespace FontSetup
