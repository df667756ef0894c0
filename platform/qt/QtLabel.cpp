// Zubrik: a label's peer: the caption with its CR LF line breaks, set at the design's line pitch.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtLabel.h"

#include "platform/Label.h"
#include "platform/qt/FontSetup.h"
#include "platform/qt/QtMirror.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>

namespace {

Qt::Alignment qtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

QtLabel::QtLabel(Label &label, QWidget *parent)
    : QLabel(parent), ControlPeer(label), m_label(label)
{
    setTextFormat(Qt::PlainText);
    setObjectName(QtMirror::objectName(label));
    setFont(FontSetup::qtFont(label.font()));
    setColours();
    if (label.borderStyle() != 0) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
    }
    setAlignment(qtAlignment(label.alignment()));
    update();
}

void QtLabel::setColours()
{
    QPalette colours = palette();
    if (const auto &fore = m_label.foreColor())
        colours.setColor(QPalette::WindowText, QColor(fore->red, fore->green, fore->blue));
    if (const auto &back = m_label.backColor())
        colours.setColor(QPalette::Window, QColor(back->red, back->green, back->blue));
    setPalette(colours);
    // Transparent unless it has a colour of its own.
    setAutoFillBackground(m_label.backColor().has_value());
}

void QtLabel::update()
{
    showCaption();
    QtMirror::mirror(m_label, *this);
    QWidget::update();
}

void QtLabel::showCaption()
{
    if (m_captionShown && m_caption == m_label.caption())
        return;
    m_caption = m_label.caption();
    QString shown = QString::fromStdString(m_caption);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString before = text();
    setText(shown);
    // Heard as a change of the text, as a screen reader expects of a counter.
    if (m_captionShown && QAccessible::isActive() && shown != before) {
        QAccessibleTextUpdateEvent changed(this, 0, before, shown);
        QAccessible::updateAccessibility(&changed);
    }
    m_captionShown = true;
}

ControlPeer::PixelSize QtLabel::fittedSize() const
{
    const_cast<QtLabel *>(this)->ensurePolished();
    const QSize size = sizeHint();
    return { size.width(), size.height() };
}

QSize QtLabel::sizeHint() const
{
    QSize size = QLabel::sizeHint();
    if (setsOwnLines()) {
        const int frame = height() - contentsRect().height();
        size.setHeight(frame + textHeight());
    }
    return size;
}

bool QtLabel::setsOwnLines() const
{
    return text().contains(QLatin1Char('\n')) || FontSetup::roomAboveGlyphs(font()) > 0;
}

int QtLabel::textHeight() const
{
    const qsizetype lines = text().count(QLatin1Char('\n')) + 1;
    return int(lines - 1) * FontSetup::linePitch(font()) + fontMetrics().height()
        - FontSetup::roomAboveGlyphs(font());
}

void QtLabel::paintEvent(QPaintEvent *event)
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
