// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder's own namespaces, as bubblewrap and Chromium's sandbox make
// them for an unprivileged process.
#pragma once

#include <string>

namespace zorbil {

// Moves this process into new user, IPC, network, mount and PID namespaces:
// no other process, IPC object or network is visible from them, and the
// file system holds only /usr read-only, the soundfonts and `file`, at its
// own path. The process itself stays outside the PID namespace: it starts
// the namespace's first process, which returns from here, and itself only
// waits for it, to end with its status (it never returns). Call it while
// this process has a single thread. Returns whether the namespaces were all
// made and the file system built; nothing changed, and no process started,
// when the kernel refused the namespaces.
bool EnterNamespaces(const std::string& file);

}  // namespace zorbil
