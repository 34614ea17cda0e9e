// SPDX-License-Identifier: GPL-3.0-or-later
// How the renderer reports an error to the player: the game window's error
// box. The same alias as the sound layer's, so one function serves both.
#pragma once

#include <functional>
#include <string>

namespace zorbil {

using ErrorBox = std::function<void(const std::string& message)>;

}  // namespace zorbil
