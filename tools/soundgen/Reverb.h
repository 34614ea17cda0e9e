// SPDX-License-Identifier: GPL-3.0-or-later
// A small Schroeder reverb (parallel combs into series all-passes) per
// channel, slightly detuned between left and right for width.
#pragma once

#include "Audio.h"

namespace soundgen {

// Adds the reverberated signal, scaled by `wet`, to `sound`.
void AddReverb(Stereo& sound, float wet);

}  // namespace soundgen
