// SPDX-License-Identifier: GPL-3.0-or-later
// The game folder: the working directory taken once at start-up, before the
// options screen's file lists move the current directory around. Every data
// path is the game folder followed by a fixed tail such as "/Data/Config.dat".
#pragma once

#include <string>
#include <string_view>

namespace zorbil {

const std::string& GameFolder();
void SetGameFolder(std::string folder);
// Takes the current directory as the game folder.
void CaptureGameFolder();
std::string GamePath(std::string_view tail);

}  // namespace zorbil
