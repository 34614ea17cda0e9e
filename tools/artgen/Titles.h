// SPDX-License-Identifier: GPL-3.0-or-later
// The title pictures of the screens: the screen's name in large shaded
// lettering in the colours of its panel, on a transparent ground so that the
// panel's wallpaper shows around the letters.
#pragma once

#include <QImage>

namespace zorbil::art {

QImage GameOverTitle();  // 240 x 55 "Game Over", lavender panel
QImage PauseTitle();     // 335 x 55 "Jeu en Pause", maroon panel
QImage ScoresTitle();    // 245 x 55 "Les Scores", green panel
QImage OptionsTitle();   // 335 x 55 "Options de Jeu", olive panel
QImage HelpTitle();      // 450 x 55 "Aide et Instructions", grey panel

}  // namespace zorbil::art
