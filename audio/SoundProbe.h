// SPDX-License-Identifier: GPL-3.0-or-later
// The work of a sound probe: one file played the way the game plays a
// music, through the sound layer and SDL's disk driver into /dev/null, as
// fast as the processor mixes. A decoder that crashes or hangs on the file
// does it here, in a process that may die.
#pragma once

#include <optional>
#include <string>

namespace zorbil {

// Seconds of sound a probe mixes at most: past a long song's start, and past
// the first loop of anything that says it lasts less.
inline constexpr double ProbeAudioSeconds = 240;

// Opens the file as a song and as a stream, plays it as a game start does,
// then again as a switch to it in the options does (looping) past its first
// loop, mixing at most maxSeconds each time. Returns ProbePlayedShort for a
// stream that ended within a short sound's length, ProbePlayedLong for
// anything else it got through, another status when no device opened.
int PlayThrough(const std::string& path, double maxSeconds = ProbeAudioSeconds);

// The program's private option: `program --probe-sound <file>` probes the
// file and gives the exit status to end with; any other command line gives
// nothing. Called first thing in main, before any window system is touched.
std::optional<int> RunSoundProbeIfAsked(int argc, char** argv);

}  // namespace zorbil
