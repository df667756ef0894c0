// Zubrik: the entry of every rules test program.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>
