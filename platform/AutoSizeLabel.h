// Zubrik: a label whose caption may hold CR LF line breaks and that can size itself to it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QLabel>

class AutoSizeLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)

public:
    explicit AutoSizeLabel(QWidget *parent = nullptr);

    // The caption exactly as written; CR LF pairs show as line breaks.
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // When on, every caption written resizes the label to fit it at once, so
    // its width can be read right after.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // An opaque background of this colour (by default the label is transparent).
    QColor backColor() const;
    void setBackColor(const QColor &color);

    QColor foreColor() const;
    void setForeColor(const QColor &color);

    // Lines are set FontSetup::linePitch() apart, raised by FontSetup::roomAboveGlyphs().
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToCaption();
    // Whether the lines need placing as above; else the label draws as any label.
    bool setsOwnLines() const;
    // The height the caption's lines take.
    int textHeight() const;

    QString m_caption;
    bool m_autoSize = false;
};
