// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a score with the synthesised instruments.
#pragma once

#include "Audio.h"
#include "Score.h"

namespace soundgen {

struct RenderOptions {
    bool loop = false;      // the end joins the beginning without a seam
    double tailSeconds = 2; // after the last beat, when not looping
    float reverb = 0.15f;
    float peak = 0.5f;      // headroom left for the effects mixed on top
};

Stereo Render(const Score& score, const RenderOptions& options);

}  // namespace soundgen
