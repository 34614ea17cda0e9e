// SPDX-License-Identifier: GPL-3.0-or-later
// The game folder: the working directory the program starts in, taken once
// before the options screen's file lists move the current directory around,
// and set here by the configuration dialog's creation. Every data path is
// the game folder followed by a tail of shared/DataPaths.h.
#pragma once

#include <string>
#include <string_view>

namespace zorbil {

const std::string& GameFolder();
void SetGameFolder(std::string folder);
std::string GamePath(std::string_view tail);

}  // namespace zorbil
