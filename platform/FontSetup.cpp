// Zubrik: the fonts the windows are designed with, resolved to installed ones.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/FontSetup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>
#include <cmath>

namespace FontSetup {

QString designFamily()
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}

QStringList preferredFamilies()
{
    return { QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP") };
}

QString resolvedFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : preferredFamilies())
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return QString();
}

int pixelSizeForPoints(double points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

void install()
{
    QFont::insertSubstitutions(designFamily(), preferredFamilies());
    QFont font(designFamily());
    font.setPixelSize(pixelSizeForPoints(9));
    QApplication::setFont(font);
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

} // namespace FontSetup
