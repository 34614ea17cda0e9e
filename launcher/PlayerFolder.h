// SPDX-License-Identifier: GPL-3.0-or-later
// A player's own game folder, filled from the shipped one: what is missing
// is added, nothing there is ever replaced or deleted, so a player's own
// textures, musics and edited files survive every start and every upgrade.
#pragma once

#include <filesystem>

namespace zorbil::launcher {

// Creates `folder` (and its parents) when missing, then copies every file
// of `shipped`, folders included, that `folder` does not have. A copy
// appears whole or not at all. Throws std::filesystem::filesystem_error on
// the first failure.
void AddShippedFiles(const std::filesystem::path& shipped, const std::filesystem::path& folder);

}  // namespace zorbil::launcher
