// Zubrik: a pixel canvas with flat colours and no anti-aliasing.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <vector>

// Every primitive here works on whole pixels with integer arithmetic, so a
// picture comes out the same on every machine and every run. A canvas can
// also hold "clear" pixels, which is how a sprite shape is drawn before it
// is split into its sprite cell and its mask cell.
class Canvas
{
public:
    static constexpr QRgb kClear = 0x00000000u;

    Canvas(int width, int height, QRgb fill = kClear);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    QRgb at(int x, int y) const;
    bool isClear(int x, int y) const { return at(x, y) == kClear; }
    void set(int x, int y, QRgb colour);
    // While on, every primitive paints only over pixels that already belong
    // to the shape: that is how shading stays inside a silhouette.
    void setClipToShape(bool on) { m_clipToShape = on; }

    void fillRect(int x, int y, int w, int h, QRgb colour);
    void hline(int x0, int x1, int y, QRgb colour);
    void vline(int x, int y0, int y1, QRgb colour);
    void line(int x0, int y0, int x1, int y1, QRgb colour);
    void thickLine(int x0, int y0, int x1, int y1, int thickness, QRgb colour);
    // The ellipse inscribed in the box, touching all four sides of it.
    void fillEllipse(int x, int y, int w, int h, QRgb colour);
    // Fills pixels whose centres lie inside the polygon (even-odd rule).
    void fillPolygon(const std::vector<QPoint> &points, QRgb colour);
    // Recolours every shape pixel of one colour with another.
    void replace(QRgb from, QRgb to);
    void replaceInRect(int x, int y, int w, int h, QRgb from, QRgb to);

    // Copies the opaque pixels of another canvas onto this one.
    void draw(const Canvas &other, int x, int y);
    // Turns the rim of the shape (every opaque pixel with a clear or
    // off-canvas 4-neighbour) into the outline colour. The outline lies
    // inside the silhouette, so the shape's extents do not move.
    void outlineInside(QRgb outline);

    // Recolours the shape's pixels that lie within `depth` steps of its edge
    // in the direction (dx, dy): a lit rim towards the light, a shaded one
    // away from it.
    void shadeRim(int dx, int dy, int depth, QRgb colour);

    // The bounding box of the opaque pixels.
    QRect extents() const;

    QImage toImage() const;
    static Canvas fromImage(const QImage &image);

private:
    int m_width;
    int m_height;
    std::vector<QRgb> m_pixels;
    bool m_clipToShape = false;
};
