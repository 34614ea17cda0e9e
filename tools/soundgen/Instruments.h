// SPDX-License-Identifier: GPL-3.0-or-later
// The synthesised instruments: each renders one note, mono, into a buffer.
#pragma once

#include <cstdint>
#include <vector>

#include "Score.h"

namespace soundgen {

// Seconds a note of this instrument goes on sounding after its end.
double ReleaseSeconds(Instrument instrument);

// Renders `seconds` of held note plus the release into `out` (which it
// resizes), at SampleRate. `seed` drives the noise of plucks and drums.
void RenderNote(Instrument instrument, const Note& note, double seconds, uint32_t seed, std::vector<float>& out);

}  // namespace soundgen
