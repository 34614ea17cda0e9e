// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder's view of the file system, through the kernel's Landlock.
#pragma once

#include <climits>
#include <string>

namespace zorbil {

// From now on this thread, and every thread and process it starts, may only
// read `file` and the system folders where the libraries keep their
// plug-ins and the soundfonts; nothing anywhere may be written, made,
// removed or linked. Call it before any other thread exists: Landlock binds
// only the calling thread. Returns the Landlock ABI the kernel applied,
// 0 when it offers none (nothing is restricted then). The tests lower
// `highestAbi` to lock down as an older kernel would (0: none).
int RestrictFileSystem(const std::string& file, int highestAbi = INT_MAX);

}  // namespace zorbil
