// Zubrik: a label's peer: the caption with its CR LF line breaks, set at the design's line pitch.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <QLabel>

class Label;

class QtLabel : public QLabel, public ControlPeer
{
    Q_OBJECT

public:
    QtLabel(Label &label, QWidget *parent);

    Label &model() const { return m_label; }

    // ControlPeer: read the model back. (Hides QWidget::update; a repaint is
    // asked for as QWidget::update().)
    void update() override;
    // The size that fits the current caption: the size hint.
    PixelSize fittedSize() const override;
    void setFocus() override { QWidget::setFocus(Qt::OtherFocusReason); }
    bool hasFocus() const override { return QWidget::hasFocus(); }

    // Lines are set FontSetup::linePitch() apart, raised by FontSetup::roomAboveGlyphs().
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showCaption();
    void setColours();
    // Whether the lines need placing as above; else the label draws as any label.
    bool setsOwnLines() const;
    // The height the caption's lines take.
    int textHeight() const;

    Label &m_label;
    std::string m_caption;
    bool m_captionShown = false;
};
