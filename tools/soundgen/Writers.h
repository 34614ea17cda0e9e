// SPDX-License-Identifier: GPL-3.0-or-later
// The file formats the generator writes. Each throws std::runtime_error
// when the file cannot be written.
#pragma once

#include <string>

#include "Audio.h"
#include "Score.h"

namespace soundgen {

// 16-bit PCM WAV at SampleRate.
void WriteWav(const std::string& path, const Stereo& sound);

// Ogg Vorbis, variable bit rate; quality 0..1.
void WriteOgg(const std::string& path, const Stereo& sound, float quality);

// Standard MIDI file, format 1: a tempo track and one track per score track,
// drums on channel 10.
void WriteMidi(const std::string& path, const Score& score);

// Four-channel ProTracker module ("M.K."): one score track per channel,
// sixteenth-note rows, with the instruments' samples made here.
void WriteModule(const std::string& path, const Score& score);

}  // namespace soundgen
