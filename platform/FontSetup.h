// Zubrik: the fonts the windows are designed with, resolved to installed ones.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace FontSetup {

// The family the designs name for their Japanese text.
QString designFamily();

// Installed families tried in order for it: IPA P Gothic, then Noto Sans CJK JP.
QStringList preferredFamilies();

// The first preferred family that is installed, or an empty string.
QString resolvedFamily();

// Maps the design family onto the installed fonts and makes it, at 9 points,
// the application's default font. Call once after the application exists.
void install();

// Pixel size for a point size as on a 96-dpi screen (9 pt -> 12 px), so that
// the display's dpi never changes the designed text size.
int pixelSizeForPoints(double points);

// Re-sizes every font set on the widget or its children from points to the
// pixel size above.
void applyPixelSizes(QWidget *root);

} // namespace FontSetup
