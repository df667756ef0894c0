// Zubrik: a picture box: a widget showing a persistent image that copies draw into.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/PictureBox.h"

#include "platform/Twips.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    syncImageSize();
}

Hdc PictureBox::hDC()
{
    syncImageSize();
    return &m_image;
}

const QImage &PictureBox::image() const
{
    syncImageSize();
    return m_image;
}

void PictureBox::setPicture(const QString &resourcePath)
{
    m_picture = resourcePath;
    m_pictureImage = QImage(resourcePath).convertToFormat(QImage::Format_RGB32);
    if (m_autoSize)
        fitToPicture();
    Cls();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        fitToPicture();
}

void PictureBox::setBorderStyle(int style)
{
    if (m_autoSize) {
        m_borderStyle = style;
        fitToPicture();
    } else {
        // The outer size stays; the client area grows or shrinks with the border.
        m_borderStyle = style;
        syncImageSize();
    }
    update();
}

void PictureBox::setBackColor(const QColor &color)
{
    m_backColor = color;
    Cls();
}

void PictureBox::Cls()
{
    // Clearing leaves the design-time picture, as the background of the image.
    syncImageSize();
    m_image.fill(m_backColor.rgb());
    if (!m_pictureImage.isNull()) {
        QPainter painter(&m_image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_pictureImage);
    }
    update();
}

void PictureBox::Refresh()
{
    repaint();
}

void PictureBox::setChoices(const QList<Choice> &choices)
{
    m_choices = choices;
    m_marked = -1;
    update();
}

void PictureBox::setMarkedChoice(int index)
{
    if (index < -1 || index >= m_choices.size() || index == m_marked)
        return;
    const int previous = m_marked;
    m_marked = index;
    update();
    if (!QAccessible::isActive())
        return;
    for (int changed : { previous, index }) {
        if (changed < 0)
            continue;
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(changed);
        QAccessible::updateAccessibility(&selection);
    }
    if (index >= 0 && hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
}

void PictureBox::fitToPicture()
{
    if (m_pictureImage.isNull())
        return;
    resize(m_pictureImage.size() + QSize(2 * border(), 2 * border()));
    // A resize keeps any exact twips value that no longer matches; forget it.
    Twips::setWidth(this, float(width() * Twips::perPixel));
    Twips::setHeight(this, float(height() * Twips::perPixel));
}

void PictureBox::syncImageSize() const
{
    const int b = border();
    const QSize wanted = (size() - QSize(2 * b, 2 * b)).expandedTo(QSize(1, 1));
    if (m_image.size() == wanted)
        return;
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(m_backColor);
    QPainter painter(&grown);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_pictureImage);
    if (!m_image.isNull())
        painter.drawImage(0, 0, m_image);
    painter.end();
    m_image = grown;
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    syncImageSize();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    syncImageSize();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int b = border();
    if (b > 0) {
        const QRect outer = rect();
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(outer.topLeft(), outer.topRight());
        painter.drawLine(outer.topLeft(), outer.bottomLeft());
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.topRight() + QPoint(-1, 1));
        painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.bottomLeft() + QPoint(1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(outer.bottomLeft(), outer.bottomRight());
        painter.drawLine(outer.topRight(), outer.bottomRight());
        painter.setPen(palette().color(QPalette::Midlight));
        painter.drawLine(outer.bottomLeft() + QPoint(1, -1), outer.bottomRight() + QPoint(-1, -1));
        painter.drawLine(outer.topRight() + QPoint(-1, 1), outer.bottomRight() + QPoint(-1, -1));
    }
    painter.drawImage(b, b, m_image);
    if (m_marked >= 0) {
        const QRect cell = m_choices.at(m_marked).rect.translated(b, b);
        // Some styles' focus frame is a faint line that a bright picture swallows
        // (Fusion's, on a sky): a ring in the highlight colour inside the cell
        // makes the mark plain in every style.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(cell).adjusted(1, 1, -1, -1));
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        // Drawn only for the keyboard, so the frame is always wanted.
        frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_HasFocus;
        frame.rect = cell;
        frame.backgroundColor = m_backColor;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

QPointF PictureBox::clientTwips(const QPointF &widgetPos) const
{
    return (widgetPos - QPointF(border(), border())) * Twips::perPixel;
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = clientTwips(event->position());
    Q_EMIT mouseDown(event->button(), event->modifiers(), float(at.x()), float(at.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    setMarkedChoice(-1);
    const QPointF at = clientTwips(event->position());
    Q_EMIT mouseMove(event->buttons(), event->modifiers(), float(at.x()), float(at.y()));
}
