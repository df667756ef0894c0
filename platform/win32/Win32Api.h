// Zubrik: the Win32 API's declarations, as the backend includes them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <windows.h>

// windows.h names MessageBoxW MessageBox by a macro, which would rename the
// game's own MessageBox class wherever both are seen; the backend calls the
// wide function by its own name.
#undef MessageBox
