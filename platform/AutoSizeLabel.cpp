// Zubrik: a label whose caption may hold CR LF line breaks and that can size itself to it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/AutoSizeLabel.h"

#include "platform/FontSetup.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>

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

QSize AutoSizeLabel::sizeHint() const
{
    QSize size = QLabel::sizeHint();
    if (setsOwnLines()) {
        const int frame = height() - contentsRect().height();
        size.setHeight(frame + textHeight());
    }
    return size;
}

bool AutoSizeLabel::setsOwnLines() const
{
    return text().contains(QLatin1Char('\n')) || FontSetup::roomAboveGlyphs(font()) > 0;
}

int AutoSizeLabel::textHeight() const
{
    const qsizetype lines = text().count(QLatin1Char('\n')) + 1;
    return int(lines - 1) * FontSetup::linePitch(font()) + fontMetrics().height()
        - FontSetup::roomAboveGlyphs(font());
}

void AutoSizeLabel::paintEvent(QPaintEvent *event)
{
    if (!setsOwnLines()) {
        QLabel::paintEvent(event);
        return;
    }
    const QStringList lines = text().split(QLatin1Char('\n'));
    const int room = FontSetup::roomAboveGlyphs(font());
    // Each line drawn as a label draws one, raised by the font's empty room
    // and at the pitch of the design.
    QPainter painter(this);
    drawFrame(&painter);
    const int pitch = FontSetup::linePitch(font());
    const QRect area = contentsRect();
    const QRect block = QStyle::alignedRect(layoutDirection(), alignment() & Qt::AlignVertical_Mask,
                                            QSize(area.width(), textHeight()), area);
    const int across = int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    for (qsizetype i = 0; i < lines.size(); ++i)
        style()->drawItemText(&painter,
                              QRect(block.left(), block.top() - room + int(i) * pitch, block.width(),
                                    fontMetrics().height()),
                              across, palette(), isEnabled(), lines[i], foregroundRole());
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
