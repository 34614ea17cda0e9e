// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a small file so that a crash or a full disk never leaves it
// truncated: readers see the old content or the new, never a mix.
#pragma once

#include <string>
#include <string_view>

namespace zorbil {

// Writes bytes to a new file in the same folder, syncs it and renames it
// over path. The file keeps the mode it had; a new file gets the mode the
// umask gives. A write-protected file (no owner write bit, or not writable
// by this process) is never replaced. On failure path is untouched, no
// temporary is left behind, and false is returned.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace zorbil
