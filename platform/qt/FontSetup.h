// Zubrik: the fonts the windows are designed with, resolved to installed ones.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Font.h"

#include <QString>
#include <QStringList>

class QFont;
class QWidget;

namespace FontSetup {

// The one place that decides the game's Japanese font. The designs name
// "ＭＳ Ｐゴシック", which free desktops do not have and fontconfig does not
// alias; left alone, Qt would draw the captions in a font without kana, as
// boxes. The name is mapped, in this order, onto the first installed of:
//   1. IPA P Gothic ("IPAPGothic", Debian's fonts-ipafont-gothic): proportional
//      like the design's font, with a 13-pixel line at 12 pixels, so the
//      17-pixel labels hold it;
//   2. Noto Sans CJK JP (fonts-noto-cjk): complete too, but its 17-pixel line
//      fills those labels to the edge;
//   3. any other installed family that declares Japanese writing.
// The README lists the same order.

// The size of the windows' default font, as the designs were laid out with.
constexpr double defaultPoints = Font::defaultPoints;

// The family the designs name for their Japanese text.
QString designFamily();

// Steps 1 and 2 above.
QStringList preferredFamilies();

// The first preferred family among the installed ones, else the first family
// that writes Japanese, else an empty string.
QString chooseFamily(const QStringList &installed, const QStringList &writingJapanese);

// chooseFamily() over this system's fonts.
QString resolvedFamily();

// Maps the design family onto the resolved font and makes it, at 9 points on a
// 96-dpi screen (12 pixels), the application's default font. Call once after
// the application exists and before any window is made.
void install();

// Pixel size for a point size as on a 96-dpi screen (9 pt -> 12 px), so that
// the display's dpi never changes the designed text size.
int pixelSizeForPoints(double points);

// A design's font as the windows show it: the family (the design's resolves
// through install()'s substitution), the weight, and the pixel size above, so
// that a fractional size (15.75, 20.25 points) lands on its whole pixel.
QFont qtFont(const Font &font);

// Re-sizes every font set on the widget or its children from points to the
// pixel size above.
void applyPixelSizes(QWidget *root);

// How far apart the lines of a text of several lines are set: the font's line
// height, but at most one pixel more than its size. The windows were laid out
// for lines that tight (the design's font, and IPA P Gothic with its 13-pixel
// lines at 12 pixels, are within it). Noto Sans CJK JP's 17- to 18-pixel lines
// would push the staff roll's last line below the ending window and the third
// line of a description out of its frame; its glyphs still fit the tighter pitch.
int linePitch(const QFont &font);

// The empty room a font keeps above its glyphs, in pixels: how far its ascent
// rises above the top of the box in which Japanese fonts draw their ideographs
// (0.88 of the size above the baseline). None for IPA P Gothic; 3 pixels at
// 12 and 5 at 21 for Noto Sans CJK JP, which would otherwise set every caption
// that much lower than designed: the dialogs' titles onto their rules.
int roomAboveGlyphs(const QFont &font);

} // namespace FontSetup
