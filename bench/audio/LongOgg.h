// SPDX-License-Identifier: GPL-3.0-or-later
// A four-minute Ogg Vorbis music for the benchmarks: the slow piece of the
// game's own musics, rendered once and laid end to end.
#pragma once

#include <string>

void WriteFourMinuteOgg(const std::string& path);
