// SPDX-License-Identifier: GPL-3.0-or-later
// One sound file played in a child process under limits of time and memory:
// whatever the decoders do to that process, the caller only learns how it
// ended.
#pragma once

#include <atomic>
#include <string>

namespace zorbil {

struct ProbeLimits {
    double wallSeconds = 30;
    int cpuSeconds = 30;
    long memoryBytes = 1L << 30;
};

enum class ProbeOutcome {
    PlayedLong,   // played through; a stream longer than a short sound, or a module
    PlayedShort,  // played through; a stream that ends within a short sound's length
    Refused,      // ended with an error of its own: could not even try
    Crashed,      // killed by a signal it raised (or by the processor-time limit)
    Overran,      // still running at the wall-clock limit: killed
    Cancelled,    // killed because the caller gave up waiting
};

// The exit statuses of a probe that played its file through.
inline constexpr int ProbePlayedLong = 0;
inline constexpr int ProbePlayedShort = 10;

// Runs `program --probe-sound path` with no input or output. Not at a lower
// priority: the game may be waiting for the verdict, on a busy machine too.
// `cancel` set from another thread kills the child at once.
ProbeOutcome RunProbeProcess(const std::string& program, const std::string& path, const ProbeLimits& limits,
                             const std::atomic<bool>& cancel);

}  // namespace zorbil
