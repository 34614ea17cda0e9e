// SPDX-License-Identifier: GPL-3.0-or-later
// Whether FluidSynth can play a MIDI file through at least once.
//
// SDL2_mixer hands a looping MIDI song to FluidSynth's player with an
// endless loop count. A file that FluidSynth cannot parse, or one that
// lasts no time at all, then makes the player start over forever inside the
// audio callback, with the audio lock held: the sound stops and the next
// call into the mixer never returns. Such a file must be refused before it
// is played.
#pragma once

#include <string>

namespace zorbil {

// Parses the file with FluidSynth's own reader (no soundfont is loaded) and
// tells whether it loads and lasts at least one tick.
bool IsPlayableMidi(const std::string& path);

}  // namespace zorbil
