// Zubrik: a picture box: a widget showing a persistent image that copies draw into.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/RasterCopy.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QWidget>

// The image keeps whatever is copied into it, also while the box is hidden,
// and is repainted pixel for pixel (whole-pixel blocks on dense screens, never
// smoothed). Mouse positions are reported in twips within the client area.
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(int borderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)

public:
    static constexpr int borderPixels = 2;

    explicit PictureBox(QWidget *parent = nullptr);

    // The resource path of the design-time picture, copied into the image.
    QString picture() const { return m_picture; }
    void setPicture(const QString &resourcePath);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // 0: no border; 1: a fixed single (sunken) border around the client area.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

    Hdc hDC();
    const QImage &image() const;

    void Cls();
    void Refresh();

    // Choices laid out in the picture, as the keyboard and screen readers
    // reach them: a name, a description and a rectangle in client pixels.
    struct Choice
    {
        QString name;
        QString description;
        QRect rect;
    };
    const QList<Choice> &choices() const { return m_choices; }
    void setChoices(const QList<Choice> &choices);

    // The choice the keyboard stands on, or -1: marked by the style's focus
    // frame over the picture, never in the image, and the current item for a
    // screen reader. The mouse moving over the box takes over and clears it.
    int markedChoice() const { return m_marked; }
    void setMarkedChoice(int index);

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int border() const { return m_borderStyle == 0 ? 0 : borderPixels; }
    void fitToPicture();
    // The image follows the client size. A hidden widget gets no resize events,
    // so the size is also checked whenever the image is reached.
    void syncImageSize() const;
    QPointF clientTwips(const QPointF &widgetPos) const;

    QString m_picture;
    QImage m_pictureImage;
    bool m_autoSize = false;
    int m_borderStyle = 1;
    QColor m_backColor = QColor(255, 255, 255);
    mutable QImage m_image;
    QList<Choice> m_choices;
    int m_marked = -1;
};
