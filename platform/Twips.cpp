// Zubrik: widget geometry in twips, the unit the game's rules are written in.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Twips.h"

#include "platform/Rounding.h"

#include <QVariant>
#include <QWidget>

namespace Twips {
namespace {

enum class Edge { Left, Top, Width, Height };

const char *propertyName(Edge edge)
{
    switch (edge) {
    case Edge::Left: return "_zubrik_twipsLeft";
    case Edge::Top: return "_zubrik_twipsTop";
    case Edge::Width: return "_zubrik_twipsWidth";
    case Edge::Height: return "_zubrik_twipsHeight";
    }
    return "";
}

int pixels(const QWidget *widget, Edge edge)
{
    switch (edge) {
    case Edge::Left: return widget->x();
    case Edge::Top: return widget->y();
    case Edge::Width: return widget->width();
    case Edge::Height: return widget->height();
    }
    return 0;
}

float read(const QWidget *widget, Edge edge)
{
    const int current = pixels(widget, edge);
    const QVariant written = widget->property(propertyName(edge));
    if (written.isValid() && toPixels(written.toFloat()) == current)
        return written.toFloat();
    return float(current * perPixel);
}

void write(QWidget *widget, Edge edge, float twips)
{
    const int px = toPixels(twips);
    switch (edge) {
    case Edge::Left: widget->move(px, widget->y()); break;
    case Edge::Top: widget->move(widget->x(), px); break;
    case Edge::Width: widget->resize(px, widget->height()); break;
    case Edge::Height: widget->resize(widget->width(), px); break;
    }
    widget->setProperty(propertyName(edge), twips);
}

} // namespace

int toPixels(double twips)
{
    return Rounding::toInt32(twips / perPixel);
}

float left(const QWidget *widget) { return read(widget, Edge::Left); }
float top(const QWidget *widget) { return read(widget, Edge::Top); }
float width(const QWidget *widget) { return read(widget, Edge::Width); }
float height(const QWidget *widget) { return read(widget, Edge::Height); }

void setLeft(QWidget *widget, float twips) { write(widget, Edge::Left, twips); }
void setTop(QWidget *widget, float twips) { write(widget, Edge::Top, twips); }
void setWidth(QWidget *widget, float twips) { write(widget, Edge::Width, twips); }
void setHeight(QWidget *widget, float twips) { write(widget, Edge::Height, twips); }

} // namespace Twips
