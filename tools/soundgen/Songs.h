// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own music and jingles, written as scores.
#pragma once

#include "Score.h"

namespace soundgen {

Score MenuTheme();      // a light loop for the menus
Score StarryNight();    // a slow, dreamy piece, rendered as a sampled stream
Score SnakeBallad();    // a walking tune for General MIDI instruments
Score ZorbilExpress();  // a fast four-channel tune for the module player
Score DonutJingle();     // a donut eaten
Score GameOverJingle();  // the game is lost

// The score played over and over until it lasts at least `seconds`.
Score Repeated(const Score& score, double seconds);

}  // namespace soundgen
