// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColourRamp.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zorbil::procgen {

Rgb Blend(Rgb a, Rgb b, double t)
{
    auto mix = [t](uint8_t p, uint8_t q) { return static_cast<uint8_t>(std::lround(p + (q - p) * t)); };
    return {mix(a.R, b.R), mix(a.G, b.G), mix(a.B, b.B)};
}

void FillRamp(Palette& palette, int first, int count, const std::vector<RampStop>& stops)
{
    const std::vector<RampStop>& s = stops;
    for (int i = 0; i < count; ++i) {
        const double t = count > 1 ? static_cast<double>(i) / (count - 1) : 0.0;
        size_t k = 0;
        while (k + 2 < s.size() && t > s[k + 1].At)
            ++k;
        const double span = s[k + 1].At - s[k].At;
        const double local = span > 0 ? std::clamp((t - s[k].At) / span, 0.0, 1.0) : 0.0;
        palette[static_cast<size_t>(first + i)] = Blend(s[k].Colour, s[k + 1].Colour, local);
    }
}

int RampIndex(double v, int first, int count)
{
    const double clamped = std::clamp(v, 0.0, 1.0);
    return first + std::min(count - 1, static_cast<int>(clamped * count));
}

}  // namespace zorbil::procgen
