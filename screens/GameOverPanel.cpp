// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/GameOverPanel.h"

namespace zorbil {

GameOverPanel::GameOverPanel(QWidget* parent)
    : ScreenPanel(parent, "GameOver", QColor(0xC8, 0xAF, 0xC8), "GameOverTex")
{
    AddTitle("ImageGameOver", "ImageGameOver", "Game Over", {8, 120, 625, 55});
    GameOverOK = AddButton("GameOverOK", tr("&Continuer"), {8, 440, 625, 30}, AnchorLeft | AnchorRight | AnchorBottom,
                           WindowTextColor);
}

}  // namespace zorbil
