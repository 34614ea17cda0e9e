// SPDX-License-Identifier: GPL-3.0-or-later
// The wallpaper tiles of the game window's screens. Every tile repeats
// seamlessly: its relief and its grain wrap around at the tile's edges.
#pragma once

#include <QImage>

namespace zorbil::art {

QImage MenuTile();      // 64 x 64, 256 colours: blue snake scales
QImage PauseTile();     // 64 x 64, 16 colours: maroon quilted padding
QImage GameOverTile();  // 150 x 150, 16 colours: lavender satin
QImage ScoresTile();    // 64 x 64, 256 colours: green baize with stars
QImage OptionsTile();   // 64 x 64, 256 colours: olive tread plate
QImage HelpTile();      // 64 x 64, 16 colours: pale linen

}  // namespace zorbil::art
