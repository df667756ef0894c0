// Zubrik: what screen readers are told about the game's own kinds of widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

namespace Accessibility {

// Makes windows, picture boxes and labels known to screen readers as the
// player sees them. Safe to call more than once; the windows call it.
void install();

} // namespace Accessibility
