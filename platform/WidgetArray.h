// Zubrik: indexed access to a widget array, as the designs number their widgets.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/RuntimeError.h"

#include <array>
#include <cstdint>

namespace WidgetArray {

// The element at a 16-bit index; an index outside the array is a run-time error.
template<typename Widget, std::size_t Size>
Widget *at(const std::array<Widget *, Size> &widgets, std::int16_t index)
{
    if (index < 0 || std::size_t(index) >= Size)
        throw RuntimeError(RuntimeErrorCode::SubscriptOutOfRange,
                           "Subscript out of range");
    return widgets[std::size_t(index)];
}

} // namespace WidgetArray
