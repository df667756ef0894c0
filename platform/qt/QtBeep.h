// Zubrik: the system's beep under Qt: the desktop's "bell" event sound, the X bell if it fails.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

namespace QtBeep {

// Asks for the sound and returns at once, whatever the sound system does.
void ring();

} // namespace QtBeep
