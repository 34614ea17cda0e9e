// SPDX-License-Identifier: GPL-3.0-or-later
// The matrix record and the few vector and matrix operations the scene needs.
#pragma once

#include <array>

#include "render/CgTypes.h"

namespace zorbil {

// 4 x 4, OpenGL's column-major order: element 4*c + r is row r of column c,
// so element 10 is the z scale and 12..14 the translation.
struct TCGMatrix {
    std::array<float, 16> m{};
    float& operator[](int i) { return m[i]; }
    float operator[](int i) const { return m[i]; }
    const float* data() const { return m.data(); }
};

static_assert(sizeof(TCGMatrix) == 16 * sizeof(float), "TCGMatrix must read as float[16]");

TCGMatrix IdentityMatrix();

// Turns v counter-clockwise about the z axis (seen from +z) by angle
// radians; z is kept and w becomes 1.
void RotateVectorZ(TCGVector& v, float angle);

}  // namespace zorbil
