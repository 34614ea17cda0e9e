// SPDX-License-Identifier: GPL-3.0-or-later
// The score as the game writes it over the field, in the player's language.
#pragma once

#include <cstdint>
#include <string>

namespace zorbil {

// In Latin-1, the font lists' character set: "Score : 12" in French,
// "Score: 12" in English.
std::string ScoreText(int32_t score);

}  // namespace zorbil
