// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/CgGeometry.h"

#include <cmath>

namespace zorbil {

TCGMatrix IdentityMatrix()
{
    TCGMatrix m;
    m[0] = m[5] = m[10] = m[15] = 1;
    return m;
}

void RotateVectorZ(TCGVector& v, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float x = v.x;
    const float y = v.y;
    v.x = c * x - s * y;
    v.y = s * x + c * y;
    v.w = 1;
}

}  // namespace zorbil
