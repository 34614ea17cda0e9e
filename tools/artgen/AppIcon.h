// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon of the desktop's menus: the snake heading for the
// donut on a night-blue tile, drawn afresh at each size so that it stays
// readable at 32 pixels.
#pragma once

#include <QImage>

namespace zorbil::art {

inline constexpr int AppIconSizes[] = {32, 48, 64, 128, 256};

QImage AppIcon(int size);

}  // namespace zorbil::art
