// SPDX-License-Identifier: GPL-3.0-or-later
// Where a player's data lives, after the XDG base directory rules.
#pragma once

#include <filesystem>

namespace zorbil::launcher {

// $XDG_DATA_HOME when it is an absolute path, otherwise $HOME/.local/share
// (the password database's home when $HOME is unset or empty).
std::filesystem::path DataHome();

}  // namespace zorbil::launcher
