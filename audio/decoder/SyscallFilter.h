// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder's system calls, through a seccomp filter.
#pragma once

namespace zorbil {

// From now on no thread of this process may open a socket, start a program
// or another process, watch or signal another process, raise its own
// resource limits, open a file for writing or change the file system, nor
// touch the machine's set-up (mounts, modules, clocks, keys...). Those calls
// fail with an error. Applies to every thread that exists and will exist.
// Returns false when the kernel takes no filter.
bool FilterSystemCalls();

}  // namespace zorbil
