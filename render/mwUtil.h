// SPDX-License-Identifier: GPL-3.0-or-later
// File helpers of the texture loader.
#pragma once

#include <string>

namespace zorbil {

// Moves a file without ever replacing the target: false when the target
// exists or the move fails for any other reason.
bool MoveFileNoReplace(const std::string& from, const std::string& to);

}  // namespace zorbil
