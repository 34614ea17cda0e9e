// SPDX-License-Identifier: GPL-3.0-or-later
// The title pictures of the screens: the screen's name in large shaded
// lettering in the colours of its panel, on a transparent ground so that the
// panel's wallpaper shows around the letters. Each screen but Game Over has
// its title in French and in English.
#pragma once

#include <QImage>
#include <QString>

namespace zorbil::art {

QImage GameOverTitle();  // 240 x 55 "Game Over", lavender panel
QImage PauseTitle(const QString& text);    // 335 x 55, maroon panel
QImage ScoresTitle(const QString& text);   // 245 x 55, green panel
QImage OptionsTitle(const QString& text);  // 335 x 55, olive panel
QImage HelpTitle(const QString& text);     // 450 x 55, grey panel

}  // namespace zorbil::art
