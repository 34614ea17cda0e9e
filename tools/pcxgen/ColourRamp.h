// SPDX-License-Identifier: GPL-3.0-or-later
// Colour ramps: a run of palette entries blended through a few key colours.
#pragma once

#include <vector>

#include "IndexedPicture.h"

namespace zorbil::procgen {

struct RampStop {
    double At;  // 0 .. 1 along the ramp
    Rgb Colour;
};

Rgb Blend(Rgb a, Rgb b, double t);

// Fills entries first .. first + count - 1 of the palette with the ramp.
void FillRamp(Palette& palette, int first, int count, const std::vector<RampStop>& stops);

// The palette index of value v (0 .. 1) on a ramp of `count` entries from
// `first`; v outside 0 .. 1 is held at the ends.
int RampIndex(double v, int first, int count);

}  // namespace zorbil::procgen
