// Zubrik: widget geometry in twips, the unit the game's rules are written in.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

class QWidget;

// 15 twips make one pixel on every screen. A value written is read back exactly
// as written (5062.5 stays 5062.5) while the widget sits at the nearest whole
// pixel; once the widget is moved or resized by other means, the pixel value
// times 15 is reported instead.
namespace Twips {

constexpr double perPixel = 15.0;

int toPixels(double twips);

float left(const QWidget *widget);
float top(const QWidget *widget);
float width(const QWidget *widget);
float height(const QWidget *widget);

void setLeft(QWidget *widget, float twips);
void setTop(QWidget *widget, float twips);
void setWidth(QWidget *widget, float twips);
void setHeight(QWidget *widget, float twips);

} // namespace Twips
