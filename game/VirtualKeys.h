// SPDX-License-Identifier: GPL-3.0-or-later
// The game keys as the key rules know them: Qt's key to the virtual-key code.
#pragma once

#include <cstdint>

namespace zorbil {

// The code of an arrow, Esc or F1..F3; 0 for every other key (the rules do
// nothing with those). Modifiers play no part.
uint16_t VirtualKeyFromQt(int qtKey);

}  // namespace zorbil
