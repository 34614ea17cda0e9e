// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder's own limits and privileges, set before it touches its file.
#pragma once

namespace zorbil {

// Memory, processor time, file sizes and descriptors a decoder may use, and
// no core file. The limits need not match anything in the game: nothing
// the decoder does is judged by them, only contained.
void LimitResources();

// The processes and threads of its user, at most: for its own user
// namespace, where they are its own. The kernel exempts root.
void LimitProcesses();

// No privilege can be gained any more (no set-user-ID program, no file
// capability), and those held (as root, or in its own user namespace) are
// given up. False when
// the kernel refuses no_new_privs.
bool DropPrivileges();

}  // namespace zorbil
