// Zubrik: a pixel canvas with flat colours and no anti-aliasing.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

long long floorDiv(long long num, long long den)
{
    long long q = num / den;
    if (num % den != 0 && ((num < 0) != (den < 0)))
        --q;
    return q;
}

} // namespace

Canvas::Canvas(int width, int height, QRgb fill)
    : m_width(width), m_height(height), m_pixels(std::size_t(width) * std::size_t(height), fill)
{
}

QRgb Canvas::at(int x, int y) const
{
    return contains(x, y) ? m_pixels[std::size_t(y) * m_width + x] : kClear;
}

void Canvas::set(int x, int y, QRgb colour)
{
    if (!contains(x, y))
        return;
    QRgb &pixel = m_pixels[std::size_t(y) * m_width + x];
    if (!m_clipToShape || pixel != kClear)
        pixel = colour;
}

void Canvas::fillRect(int x, int y, int w, int h, QRgb colour)
{
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            set(xx, yy, colour);
}

void Canvas::hline(int x0, int x1, int y, QRgb colour)
{
    if (x0 > x1)
        std::swap(x0, x1);
    for (int x = x0; x <= x1; ++x)
        set(x, y, colour);
}

void Canvas::vline(int x, int y0, int y1, QRgb colour)
{
    if (y0 > y1)
        std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y)
        set(x, y, colour);
}

void Canvas::line(int x0, int y0, int x1, int y1, QRgb colour)
{
    // Bresenham, so the same end points always give the same pixels.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        set(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::thickLine(int x0, int y0, int x1, int y1, int thickness, QRgb colour)
{
    const int lo = -(thickness - 1) / 2;
    const int hi = thickness / 2;
    for (int oy = lo; oy <= hi; ++oy)
        for (int ox = lo; ox <= hi; ++ox)
            line(x0 + ox, y0 + oy, x1 + ox, y1 + oy, colour);
}

void Canvas::fillEllipse(int x, int y, int w, int h, QRgb colour)
{
    // Pixel centres measured in half pixels from the box centre, so odd and
    // even sizes are both exact: inside when (dx/w)^2 + (dy/h)^2 <= 1.
    const long long ww = 1LL * w * w;
    const long long hh = 1LL * h * h;
    for (int j = 0; j < h; ++j) {
        const long long dy = 2 * j + 1 - h;
        for (int i = 0; i < w; ++i) {
            const long long dx = 2 * i + 1 - w;
            if (dx * dx * hh + dy * dy * ww <= ww * hh)
                set(x + i, y + j, colour);
        }
    }
}

void Canvas::fillPolygon(const std::vector<QPoint> &points, QRgb colour)
{
    if (points.size() < 3)
        return;
    int top = points[0].y();
    int bottom = top;
    for (const QPoint &p : points) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    // Crossings are kept as exact fractions (scaled by 2 for the pixel
    // centre) so nothing depends on floating-point rounding.
    std::vector<long long> crossings;
    for (int y = top; y <= bottom; ++y) {
        crossings.clear();
        const long long cy2 = 2LL * y + 1;
        for (std::size_t k = 0; k < points.size(); ++k) {
            const QPoint a = points[k];
            const QPoint b = points[(k + 1) % points.size()];
            const long long ay2 = 2LL * a.y();
            const long long by2 = 2LL * b.y();
            if ((ay2 <= cy2) == (by2 <= cy2))
                continue;
            // x2 = 2*ax + (cy2 - ay2) * (bx - ax) / (by - ay), floored.
            const long long num = (cy2 - ay2) * (b.x() - a.x());
            const long long den = by2 - ay2;
            crossings.push_back(2LL * a.x() + floorDiv(num * 2, den));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
            // Pixel x is inside when its centre 2x+1 lies between crossings.
            const long long from = -floorDiv(1 - crossings[k], 2);
            const long long to = floorDiv(crossings[k + 1] - 1, 2);
            for (long long x = from; x <= to; ++x)
                set(int(x), y, colour);
        }
    }
}

void Canvas::replace(QRgb from, QRgb to)
{
    std::replace(m_pixels.begin(), m_pixels.end(), from, to);
}

void Canvas::replaceInRect(int x, int y, int w, int h, QRgb from, QRgb to)
{
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            if (contains(xx, yy) && at(xx, yy) == from)
                set(xx, yy, to);
}

void Canvas::draw(const Canvas &other, int x, int y)
{
    for (int j = 0; j < other.height(); ++j)
        for (int i = 0; i < other.width(); ++i)
            if (!other.isClear(i, j))
                set(x + i, y + j, other.at(i, j));
}

void Canvas::outlineInside(QRgb outline)
{
    std::vector<char> rim(m_pixels.size(), 0);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (!isClear(x, y)
                && (isClear(x - 1, y) || isClear(x + 1, y) || isClear(x, y - 1) || isClear(x, y + 1)))
                rim[std::size_t(y) * m_width + x] = 1;
    for (std::size_t k = 0; k < rim.size(); ++k)
        if (rim[k])
            m_pixels[k] = outline;
}

void Canvas::shadeRim(int dx, int dy, int depth, QRgb colour)
{
    std::vector<char> rim(m_pixels.size(), 0);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            if (isClear(x, y))
                continue;
            for (int k = 1; k <= depth; ++k)
                if (isClear(x + k * dx, y + k * dy)) {
                    rim[std::size_t(y) * m_width + x] = 1;
                    break;
                }
        }
    for (std::size_t k = 0; k < rim.size(); ++k)
        if (rim[k])
            m_pixels[k] = colour;
}

QRect Canvas::extents() const
{
    QRect box;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (!isClear(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage Canvas::toImage() const
{
    QImage image(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            image.setPixel(x, y, 0xff000000u | at(x, y));
    return image;
}

Canvas Canvas::fromImage(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Canvas canvas(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            canvas.set(x, y, rgb.pixel(x, y));
    return canvas;
}
