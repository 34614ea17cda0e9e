// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/CgTypes.h"

namespace zorbil {

namespace {

float Clamp01(float v)
{
    if (v > 1)
        return 1;
    // Written as "not >= 0" so that NaN lands here too.
    if (!(v >= 0))
        return 0;
    return v;
}

}  // namespace

TCGVector MakeVector(float x, float y, float z)
{
    return {x, y, z, 1};
}

TCGColor MakeColor(float r, float g, float b, float a)
{
    return {Clamp01(r), Clamp01(g), Clamp01(b), Clamp01(a)};
}

}  // namespace zorbil
