// SPDX-License-Identifier: GPL-3.0-or-later
// One sound file decoded the way the game's sound layer opens and plays it,
// its samples written to a MixerOutput as the protocol says.
#pragma once

#include <string>

#include "audio/DecoderProtocol.h"
#include "audio/decoder/MixerOutput.h"

namespace zorbil {

// Decodes `path` in `mode` through an open output and returns the exit
// status the decoder ends with. The sound stops after `maxFrames` mixed
// frames at most (a looping one never stops by itself).
int DecodeSound(DecodeMode mode, const std::string& path, MixerOutput& output,
                long maxFrames = MixerOutput::Endless);

}  // namespace zorbil
