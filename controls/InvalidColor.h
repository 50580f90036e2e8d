// The kit's one invalid colour: the background of an input whose value is
// refused or conflicts with another field, of an incomplete address, and of
// a combo box without a selection.
#pragma once

#include "Platform.h"

inline constexpr COLORREF kInvalidColor = RGB(255, 241, 0);
