// Zubrik: what every control's peer mirrors alike from its model onto its widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QString>

class Control;
class QWidget;

namespace QtMirror {

// "Name", or "Name_i" for an array's element, as the windows' widgets were
// always named.
QString objectName(const Control &control);

// The control's place (Control::pixelRect()), visibility, enabled state, focus
// policy, and the name and description a screen reader reads. Only what
// changed is written, since the picture boxes are mirrored on every frame and
// Qt announces name changes.
void mirror(const Control &control, QWidget &widget);

} // namespace QtMirror
