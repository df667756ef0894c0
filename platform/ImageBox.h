// Zubrik: an image control: a design-time picture shown as is or stretched to the widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QImage>
#include <QWidget>

// Unlike a picture box it holds no drawing surface: it only shows its picture.
// Stretching samples whole pixels (nearest neighbour), never smoothed, so pixel
// art keeps its hard edges at any size and on any screen density.
class ImageBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)

public:
    explicit ImageBox(QWidget *parent = nullptr);

    // The resource path of the picture.
    QString picture() const { return m_picture; }
    void setPicture(const QString &resourcePath);

    bool stretch() const { return m_stretch; }
    void setStretch(bool on);

    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
    QImage m_image;
    bool m_stretch = false;
};
