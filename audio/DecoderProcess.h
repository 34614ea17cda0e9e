// SPDX-License-Identifier: GPL-3.0-or-later
// Starting one decoder process and learning how it ended.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "audio/DecoderProtocol.h"

namespace zorbil {

// The decoder installed with the game: beside the running program.
std::string DecoderBesideProgram();

struct DecoderProcess {
    pid_t pid = -1;  // -1: it could not be started
    int samples = -1;  // the read end of its output: non-blocking, closed on exec
};

// Runs `program MODE RATE path` with an empty environment, no input, its
// errors discarded, nothing of the game's open but the pipe, and in a
// process group of its own. Never waits for it.
DecoderProcess StartDecoder(const std::string& program, const std::string& path, DecodeMode mode, int rate);

// The exit status it ended with, -1 for a signal; nothing while it runs.
std::optional<int> Reaped(pid_t pid);

// Ends it and every process of its group at once; it remains to be reaped.
void KillGroup(pid_t pid);

// Processor time it and its children have used so far, user and system.
double ProcessorSeconds(pid_t pid);

}  // namespace zorbil
