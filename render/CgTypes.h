// SPDX-License-Identifier: GPL-3.0-or-later
// Vector and colour records handed to OpenGL as plain float arrays.
#pragma once

namespace zorbil {

struct TCGVector {
    float x = 0, y = 0, z = 0, w = 0;
};

struct TCGColor {
    float r = 0, g = 0, b = 0, a = 0;
};

static_assert(sizeof(TCGVector) == 4 * sizeof(float), "TCGVector must read as float[4]");
static_assert(sizeof(TCGColor) == 4 * sizeof(float), "TCGColor must read as float[4]");

// A point: w is 1.
TCGVector MakeVector(float x, float y, float z);

// Each component is clamped to 0..1; NaN becomes 0.
TCGColor MakeColor(float r, float g, float b, float a);

}  // namespace zorbil
