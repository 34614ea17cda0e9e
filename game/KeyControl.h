// SPDX-License-Identifier: GPL-3.0-or-later
// The game keys: arrows steer, Esc/F1/F2/F3 ask for a screen.
#pragma once

#include <cstdint>

namespace zorbil {

// Virtual-key codes, as the key handler receives them.
enum : uint16_t {
    VkEscape = 27,
    VkLeft = 37,
    VkUp = 38,
    VkRight = 39,
    VkDown = 40,
    VkF1 = 112,
    VkF2 = 113,
    VkF3 = 114,
};

// The screen a key asks the game window to open over the interrupted game.
enum class GameScreen { None, Pause, Help, Options, Scores };

// Applies the key rules to the game state. Modifier keys play no part.
// While the game timer is stopped a screen is already open over the game and
// the renderer is already stopped, so Esc and F1..F3 are ignored then: a
// second interruption would stop the renderer twice while its Continue button
// restarts it only once.
GameScreen GameKeyDown(uint16_t key, bool gameTimerEnabled);

}  // namespace zorbil
