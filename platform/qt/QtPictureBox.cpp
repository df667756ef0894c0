// Zubrik: a picture box's peer: shows the model's persistent image and reports the mouse to it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtPictureBox.h"

#include "platform/PictureBox.h"
#include "platform/qt/FontSetup.h"
#include "platform/qt/QtKeys.h"
#include "platform/qt/QtMirror.h"

#include <QAccessible>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

QtPictureBox::QtPictureBox(PictureBox &box, QWidget *parent)
    : QWidget(parent), ControlPeer(box), m_box(box)
{
    setObjectName(QtMirror::objectName(box));
    setFont(FontSetup::qtFont(box.font()));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

void QtPictureBox::update()
{
    QtMirror::mirror(m_box, *this);
    if (m_choices != m_box.choices()) {
        m_choices = m_box.choices();
        m_marked = m_box.markedChoice();
    } else if (m_box.markedChoice() != m_marked) {
        const int previous = m_marked;
        m_marked = m_box.markedChoice();
        announceMark(previous, m_marked);
    }
    QWidget::update();
}

void QtPictureBox::announceMark(int previous, int index)
{
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

void QtPictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int b = m_box.border();
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
    // The model's pixels have QImage's RGB32 layout: shown in place, not copied.
    const Image &image = m_box.image();
    const QImage shown(reinterpret_cast<const uchar *>(image.data()), image.width(), image.height(),
                       qsizetype(image.width()) * 4, QImage::Format_RGB32);
    painter.drawImage(b, b, shown);
    const int marked = m_box.markedChoice();
    if (marked >= 0 && marked < int(m_box.choices().size())) {
        const PixelRect &at = m_box.choices()[std::size_t(marked)].rect;
        const QRect cell = QRect(at.x, at.y, at.width, at.height).translated(b, b);
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
        const Color &back = m_box.backColor();
        frame.backgroundColor = QColor(back.red, back.green, back.blue);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void QtPictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    m_box.mouseDownAt(QtKeys::mouseButtons(event->button()), QtKeys::shiftState(event->modifiers()),
                      at.x(), at.y());
}

void QtPictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    m_box.mouseMoveAt(QtKeys::mouseButtons(event->buttons()), QtKeys::shiftState(event->modifiers()),
                      at.x(), at.y());
}
