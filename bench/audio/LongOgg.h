// SPDX-License-Identifier: GPL-3.0-or-later
// A long Ogg Vorbis music for the benchmarks: the slow piece of the game's
// own musics, rendered once and laid end to end.
#pragma once

#include <string>

// Encoding costs a good share of the stream's own length: brief runs ask
// for a few seconds.
void WriteLongOgg(const std::string& path, int seconds);
