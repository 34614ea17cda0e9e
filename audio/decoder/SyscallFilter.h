// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder's system calls, through a seccomp filter.
#pragma once

namespace zorbil {

// From now on every thread of this process, those to come too, may only make
// the calls a decoder needs: memory, its own threads, clocks, reading files,
// writing to descriptors it holds, signals and scheduling of its own. It may
// not open a file for writing, a socket, start a program or a process,
// signal or reschedule another process, undo its parent-death signal, nor
// touch shared memory, message queues, the file system's layout or the
// machine's set-up: those fail with EPERM. Returns false when the kernel
// takes no filter.
bool FilterSystemCalls();

// For the process that only waits for the decoder to end: waiting and its
// own end, nothing else. Best effort.
void FilterWaiting();

}  // namespace zorbil
