// SPDX-License-Identifier: GPL-3.0-or-later
#include "Audio.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

void Stereo::Normalize(float peak)
{
    float loudest = 0;
    for (std::size_t i = 0; i < Frames(); ++i)
        loudest = std::max({loudest, std::fabs(left[i]), std::fabs(right[i])});
    if (loudest == 0)
        return;
    const float scale = peak / loudest;
    for (std::size_t i = 0; i < Frames(); ++i) {
        left[i] *= scale;
        right[i] *= scale;
    }
}

}  // namespace soundgen
