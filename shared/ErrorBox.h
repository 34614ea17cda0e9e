// SPDX-License-Identifier: GPL-3.0-or-later
// How the sound layer and the renderer report an error to the player: the
// game window's error box, given one of the game's messages.
#pragma once

#include <functional>
#include <string>

namespace zorbil {

using ErrorBox = std::function<void(const std::string& message)>;

}  // namespace zorbil
