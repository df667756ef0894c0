// Zubrik: the toolkit a build shows the game with: its peers, its boxes, its beep.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Toolkit.h"

#include <cstdio>
#include <cstdlib>

namespace {

Toolkit *installed = nullptr;

} // namespace

Toolkit::~Toolkit()
{
    if (installed == this)
        installed = nullptr;
}

Toolkit &Toolkit::current()
{
    if (!installed) {
        std::fputs("Zubrik: no toolkit installed\n", stderr);
        std::abort();
    }
    return *installed;
}

void Toolkit::install(Toolkit *toolkit)
{
    installed = toolkit;
}
