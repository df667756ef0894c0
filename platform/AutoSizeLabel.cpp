// Zubrik: a label whose caption may hold CR LF line breaks and that can size itself to it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/AutoSizeLabel.h"

#include "platform/Twips.h"

#include <QAccessible>

AutoSizeLabel::AutoSizeLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void AutoSizeLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString before = text();
    setText(shown);
    // Heard as a change of the text, as a screen reader expects of a counter.
    if (QAccessible::isActive() && shown != before) {
        QAccessibleTextUpdateEvent changed(this, 0, before, shown);
        QAccessible::updateAccessibility(&changed);
    }
    if (m_autoSize)
        fitToCaption();
}

void AutoSizeLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        fitToCaption();
}

void AutoSizeLabel::fitToCaption()
{
    ensurePolished();
    resize(sizeHint());
    Twips::setWidth(this, float(width() * Twips::perPixel));
    Twips::setHeight(this, float(height() * Twips::perPixel));
}

QColor AutoSizeLabel::backColor() const
{
    return palette().color(QPalette::Window);
}

void AutoSizeLabel::setBackColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
    setAutoFillBackground(true);
}

QColor AutoSizeLabel::foreColor() const
{
    return palette().color(QPalette::WindowText);
}

void AutoSizeLabel::setForeColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}
