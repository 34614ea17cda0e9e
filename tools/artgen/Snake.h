// SPDX-License-Identifier: GPL-3.0-or-later
// The game's hero drawn as it is in play: a chain of lit balls, the head
// biggest, each ball with a soft shadow below and to the right.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

namespace zorbil::art {

struct SnakeLook {
    double HeadRadius = 10;
    double TailRadius = 6;
    QColor Body = QColor(60, 190, 70);
    QColor Head = QColor(150, 235, 120);
};

// The head sits at the end of `spine`, the tail at its start; the balls
// overlap like the game's spheres, so their number follows the spine's length.
void DrawSnake(QImage& target, const QPainterPath& spine, const SnakeLook& look);

}  // namespace zorbil::art
